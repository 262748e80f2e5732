#include "core/tips.h"

#include "platform/bounded_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tornavel {

namespace {

// The page about each tip, by tip number - 1: a local help page, the demonstration
// videos of the web server (tip 1), or none.
constexpr const char* kWebVideos = "@videos";
constexpr const char* kTipPages[TipsWindow::TipCount] = {
    kWebVideos,
    nullptr,
    "Aide/clavier-pave-numerique.html",
    "Aide/clavier-pave-numerique.html",
    "Aide/collaboration-entre-calculatrices.html",
    nullptr,
    "Aide/reprise-calculs.html",
    nullptr,
    "Aide/selection-calculatrice-defaut.html",
    "Aide/selection-calculatrices-favorites.html",
    "Aide/selection-unite-mesure.html",
};

const char* TipPage(int tip)
{
    return tip >= 1 && tip <= TipsWindow::TipCount ? kTipPages[tip - 1] : nullptr;
}

// A document is not read past this size: a tip is a few paragraphs.
constexpr qint64 kMaxDocumentBytes = 1024 * 1024;
// Nor is more than this many characters of it shown: a tip is some hundreds.
constexpr qsizetype kMaxTipLength = 16 * 1024;

// The beginning of a document, bounded so that the tips window lays it out at once: in
// characters, and in runs, each of which the view shapes and formats on its own.
RtfDocument Bounded(const RtfDocument& document)
{
    TextBounder bounder(kMaxTipLength);
    qsizetype runsLeft = TipsWindow::kMaxRuns;
    RtfDocument shown;
    for (const RtfParagraph& paragraph : document.paragraphs) {
        if (!shown.paragraphs.isEmpty())
            bounder.EndLine();
        if (bounder.Full() || runsLeft == 0)
            break;
        RtfParagraph& kept = shown.paragraphs.emplace_back(RtfParagraph{paragraph.align, {}});
        for (const RtfRun& run : paragraph.runs) {
            if (bounder.Full() || runsLeft == 0)
                break;
            --runsLeft;
            RtfRun& part = kept.runs.emplace_back(run);
            part.text = bounder.Add(run.text);
        }
    }
    return shown;
}

} // namespace

TipsWindow::TipsWindow(const HelpLinks& links, DesktopServices& desktop) : links_(links), desktop_(desktop) {}

bool TipsWindow::AideEnabled() const
{
    return TipPage(tip_) != nullptr;
}

void TipsWindow::BtnPredClick()
{
    if (tip_ > 1)
        --tip_;
}

void TipsWindow::BtnSuivantClick()
{
    if (tip_ < TipCount)
        ++tip_;
}

void TipsWindow::BtnAideClick()
{
    const char* page = TipPage(tip_);
    if (!page)
        return;
    if (page == kWebVideos)
        desktop_.OpenUrl(links_.WebPageAddress(346));
    else
        desktop_.OpenUrl(HelpLinks::HelpPageUrl(QString::fromLatin1(page), links_.HelpDirectory()));
}

QString TipsWindow::DocumentPath(int tip) const
{
    const QString name = QStringLiteral("Aide/Astuce_%1.rtf").arg(tip);
    for (const QString& candidate : {links_.HelpDirectory() + name, QDir::current().filePath(name)}) {
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return QString();
}

RtfDocument TipsWindow::Document() const
{
    const QString path = DocumentPath(tip_);
    QFile file(path);
    if (!path.isEmpty() && file.open(QIODevice::ReadOnly))
        return Bounded(ReadRtf(file.read(kMaxDocumentBytes)));
    RtfDocument missing;
    for (const QString& line :
         {QStringLiteral("Le fichier Astuce_%1.rtf n'a pas été trouvé !").arg(tip_),
          QStringLiteral("Si ce fichier à été déplacé ou supprimé, réinstallez le logiciel pour pouvoir y accéder "
                         "de nouveau !")}) {
        RtfParagraph paragraph;
        paragraph.runs.push_back(RtfRun{line});
        missing.paragraphs.push_back(paragraph);
    }
    return missing;
}

} // namespace tornavel
