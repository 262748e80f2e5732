#pragma once

#include <QDialog>

#include <functional>

class QPushButton;
class QTextBrowser;

namespace tornavel {

class ChildHttpClient;
struct HttpReply;
class StringTable;

// Opens a web page in the desktop's browser.
using WebPageOpener = std::function<void(const QString& address)>;

// A window that shows one page of the maker's web server: the page is fetched again
// at each showing and shown as HTML; when it cannot be loaded a French error page
// takes its place. Links to web pages open in the desktop's browser. "Fermer" closes.
class TFPageWindow : public QDialog {
    Q_OBJECT

public:
    struct Layout {
        const char* name;       // objectName of the window
        int captionId;          // string number of the caption
        int clientWidth, clientHeight;
        int browserWidth, browserHeight;
        int closeLeft, closeTop;
    };

    // Shows the page at `address`, fetched through `network`; a link to a web page goes
    // to `openWebPage`.
    TFPageWindow(const StringTable& strings, ChildHttpClient& network, WebPageOpener openWebPage,
                 const Layout& layout, QString address, QWidget* parent = nullptr);

    const QString& Address() const { return address_; }
    QTextBrowser* Browser() const { return browser_; }
    QPushButton* BtnFermer() const { return fermer_; }
    // Shows of the page so far (each showing fetches it once).
    int Loads() const { return loads_; }

    // The page shown in place of one that could not be loaded.
    QString ErrorPage(const QString& address) const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Load();
    void ShowReply(const HttpReply& reply);
    // Shows `html` (a bounded page, or one of the window's own) in place of what is shown.
    void Show(const QString& html);

    const StringTable& strings_;
    ChildHttpClient& network_;
    WebPageOpener openWebPage_;
    QString address_;
    QTextBrowser* browser_ = nullptr;
    QPushButton* fermer_ = nullptr;
    int loads_ = 0;
};

// The update-page window FMiseAjour, shown by the update check.
class TFMiseAjour : public TFPageWindow {
    Q_OBJECT
public:
    TFMiseAjour(const StringTable& strings, ChildHttpClient& network, WebPageOpener openWebPage, QString address,
                QWidget* parent = nullptr);
};

// The upgrade-page window FMiseANiveau, shown by the help menu's upgrade item.
class TFMiseANiveau : public TFPageWindow {
    Q_OBJECT
public:
    TFMiseANiveau(const StringTable& strings, ChildHttpClient& network, WebPageOpener openWebPage, QString address,
                  QWidget* parent = nullptr);
};

} // namespace tornavel
