#include "ui/dialogs/tips_window.h"

#include "core/strings.h"
#include "core/view_texts.h"
#include "ui/dialogs/window_style.h"
#include "ui/layout_scale.h"

#include <QPushButton>
#include <QTextBlockFormat>
#include <QTextBrowser>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <utility>

namespace tornavel {

namespace {

Qt::Alignment AlignmentOf(RtfParagraph::Align align)
{
    switch (align) {
    case RtfParagraph::Align::Centre: return Qt::AlignHCenter;
    case RtfParagraph::Align::Right: return Qt::AlignRight;
    case RtfParagraph::Align::Justify: return Qt::AlignJustify;
    case RtfParagraph::Align::Left: break;
    }
    return Qt::AlignLeft;
}

} // namespace

void ShowRtfDocument(QTextEdit* edit, const RtfDocument& document)
{
    QTextDocument* text = edit->document();
    text->clear();
    // The tip's sizes grow with the desktop's font, as its window does.
    const double scale = LayoutScale();
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(10 * scale);
    text->setDefaultFont(font);
    // One edit: the view lays the tip out once, not again at each run inserted.
    QTextCursor cursor(text);
    cursor.beginEditBlock();
    bool first = true;
    for (const RtfParagraph& paragraph : document.paragraphs) {
        QTextBlockFormat block;
        block.setAlignment(AlignmentOf(paragraph.align));
        if (first)
            cursor.setBlockFormat(block);
        else
            cursor.insertBlock(block, QTextCharFormat());
        first = false;
        for (const RtfRun& run : paragraph.runs) {
            QTextCharFormat format;
            format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
            format.setFontItalic(run.italic);
            format.setFontUnderline(run.underline);
            if (run.halfPoints > 0)
                format.setFontPointSize(run.halfPoints / 2.0 * scale);
            if (run.hasColour)
                format.setForeground(QColor::fromRgb(run.rgb));
            cursor.insertText(run.text, format);
        }
    }
    cursor.endEditBlock();
    edit->moveCursor(QTextCursor::Start);
}

TFAstuces::TFAstuces(const StringTable& strings, TipsWindow model, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      model_(std::move(model))
{
    setObjectName(QStringLiteral("FAstuces"));
    setModal(true);
    setFixedSize(Scaled(QSize(332, 400)));
    setWindowTitle(strings.Str(193));

    richEdit_ = new QTextBrowser(this);
    richEdit_->setObjectName(QStringLiteral("RichEdit"));
    richEdit_->setGeometry(Scaled(10, 10, 311, 340));
    richEdit_->setReadOnly(true);
    richEdit_->setAccessibleName(windowTitle());
    richEdit_->setOpenLinks(false);
    richEdit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    pred_ = new QPushButton(strings.Str(194), this);
    pred_->setObjectName(QStringLiteral("BtnPred"));
    pred_->setGeometry(Scaled(10, 362, 106, 25));
    aide_ = new QPushButton(LayoutText(strings, LayoutString::TipsHelpButton), this);
    aide_->setObjectName(QStringLiteral("BtnAide"));
    aide_->setGeometry(Scaled(153, 362, 25, 25));
    suivant_ = new QPushButton(strings.Str(195), this);
    suivant_->setObjectName(QStringLiteral("BtnSuivant"));
    suivant_->setGeometry(Scaled(215, 362, 106, 25));
    // Return presses the focused button, as in the other windows (each is a default
    // button while it has the focus).
    for (QPushButton* button : {pred_, aide_, suivant_})
        button->setAutoDefault(true);

    connect(pred_, &QPushButton::clicked, this, [this] {
        model_.BtnPredClick();
        ShowTip();
    });
    connect(suivant_, &QPushButton::clicked, this, [this] {
        model_.BtnSuivantClick();
        ShowTip();
    });
    connect(aide_, &QPushButton::clicked, this, [this] { model_.BtnAideClick(); });

    SetSecondaryWindowBackground(this, strings, "Image1");
    ShowTip();
}

void TFAstuces::ShowTip()
{
    ShowRtfDocument(richEdit_, model_.Document());
    pred_->setEnabled(model_.PredEnabled());
    suivant_->setEnabled(model_.SuivantEnabled());
    aide_->setEnabled(model_.AideEnabled());
}

} // namespace tornavel
