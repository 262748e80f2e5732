#include "ui/dialogs/page_windows.h"

#include "core/strings.h"
#include "core/update_check.h"
#include "core/view_texts.h"
#include "platform/child_fetch.h"
#include "platform/page_html.h"
#include "ui/dialogs/page_document.h"
#include "ui/dialogs/window_style.h"
#include "ui/layout_scale.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>

namespace tornavel {

namespace {

constexpr TFPageWindow::Layout kUpdateLayout{"FMiseAjour", 343, 624, 472, 608, 417, 255, 440};
constexpr TFPageWindow::Layout kUpgradeLayout{"FMiseANiveau", 348, 542, 402, 524, 345, 214, 365};

} // namespace

TFPageWindow::TFPageWindow(const StringTable& strings, ChildHttpClient& network, WebPageOpener openWebPage,
                           const Layout& layout, QString address, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      strings_(strings), network_(network), openWebPage_(std::move(openWebPage)), address_(std::move(address))
{
    setObjectName(QString::fromLatin1(layout.name));
    setModal(true);
    setFixedSize(Scaled(QSize(layout.clientWidth, layout.clientHeight)));
    setWindowTitle(strings.Str(layout.captionId));

    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("CppWebBrowser"));
    browser_->setGeometry(Scaled(8, 8, layout.browserWidth, layout.browserHeight));
    browser_->setOpenLinks(false);
    connect(browser_, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) {
        const QString target = QUrl(address_).resolved(link).toString(QUrl::FullyEncoded);
        if (IsWebAddress(target))
            openWebPage_(target);
    });

    fermer_ = new QPushButton(LayoutText(strings, LayoutString::CloseButton), this);
    fermer_->setObjectName(QStringLiteral("BtnFermer"));
    fermer_->setGeometry(Scaled(layout.closeLeft, layout.closeTop, 113, 25));
    connect(fermer_, &QPushButton::clicked, this, &QDialog::accept);

    SetSecondaryWindowBackground(this, strings, "Image1");
}

QString TFPageWindow::ErrorPage(const QString& address) const
{
    return QStringLiteral("<h3>%1</h3><p>%2<br>%3</p><p>%4</p>")
        .arg(LayoutText(strings_, LayoutString::PageErrorTitle).toHtmlEscaped(),
             LayoutText(strings_, LayoutString::PageErrorText).toHtmlEscaped(), address.toHtmlEscaped(),
             LayoutText(strings_, LayoutString::PageErrorAdvice).toHtmlEscaped());
}

void TFPageWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Load();
}

void TFPageWindow::Load()
{
    ++loads_;
    Show(QStringLiteral("<p>%1</p>").arg(LayoutText(strings_, LayoutString::PageLoading).toHtmlEscaped()));
    const int load = loads_;
    QPointer<TFPageWindow> self(this);
    HttpGet(network_, address_, kHttpTimeoutMs, [self, load](const HttpReply& reply) {
        // A page that comes after the window closed, or after a newer showing, is dropped.
        if (self && self->loads_ == load && self->isVisible())
            self->ShowReply(reply);
    });
}

void TFPageWindow::ShowReply(const HttpReply& reply)
{
    Show(reply.ok ? PageHtmlForView(reply.body) : ErrorPage(address_));
}

void TFPageWindow::Show(const QString& html)
{
    // The page is read and bounded before the view lays it out, once. The view deletes
    // the document it made itself; those made here are deleted here.
    const QPointer<QTextDocument> shown = browser_->document();
    browser_->setDocument(new PageDocument(html, browser_->font(), browser_));
    if (shown && shown->parent() == browser_)
        delete shown;
}

TFMiseAjour::TFMiseAjour(const StringTable& strings, ChildHttpClient& network, WebPageOpener openWebPage,
                         QString address, QWidget* parent)
    : TFPageWindow(strings, network, std::move(openWebPage), kUpdateLayout, std::move(address), parent)
{
}

TFMiseANiveau::TFMiseANiveau(const StringTable& strings, ChildHttpClient& network, WebPageOpener openWebPage,
                             QString address, QWidget* parent)
    : TFPageWindow(strings, network, std::move(openWebPage), kUpgradeLayout, std::move(address), parent)
{
}

} // namespace tornavel
