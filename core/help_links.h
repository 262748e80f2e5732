#pragma once

// The help pages installed with the program and the pages on the maker's web server.

#include "core/strings.h"
#include "core/ui_services.h"

#include <QString>

#include <functional>

namespace tornavel {

// The items of the help menu, each named after its menu item (AideTornavelClick ..).
enum class HelpItem {
    AideTornavel,
    Collaboration,
    AstucesTornavel,
    VideosdedmonstrationdeTornavel,
    PagePresentationTornavel,
    SiteInternetAuteur,
    AproposdeTornavel,
    MiseANiveau,
};

class HelpLinks {
public:
    // `upgradePageAddress` gives the address of the upgrade page of the product that
    // start-up has read, when the help menu asks for it.
    HelpLinks(const StringTable& strings, UiServices& ui, std::function<QString()> upgradePageAddress)
        : strings_(strings), ui_(ui), upgradePageAddress_(std::move(upgradePageAddress))
    {
    }
    HelpLinks(const HelpLinks&) = delete;
    HelpLinks& operator=(const HelpLinks&) = delete;

    // Directory of the program, ending with a separator: the version list is kept there,
    // and the help pages are in its "Aide" subdirectory unless a help directory is set.
    void SetProgramDirectory(const QString& directory) { programDirectory_ = directory; }
    const QString& ProgramDirectory() const { return programDirectory_; }
    // Directory, ending with a separator, whose "Aide" subdirectory holds the help pages
    // and tips, where the install put them away from the program.
    void SetHelpDirectory(const QString& directory) { helpDirectory_ = directory; }
    const QString& HelpDirectory() const { return helpDirectory_.isEmpty() ? programDirectory_ : helpDirectory_; }
    // The file address of a help page (a path relative to `directory`, such as
    // "Aide/aide-tornavel.html").
    static QString HelpPageUrl(const QString& page, const QString& directory);
    // Opens the local help page named by a string number; a box reports a failure.
    void OpenHelpPage(int stringId);
    // Opens the web page named by a string number; a box reports a failure.
    void OpenWebPage(int stringId);
    // Web address of the page of a string number, on the maker's web server.
    QString WebPageAddress(int stringId) const;
    // An item of the help menu: its help page, its web page or its window.
    void HelpMenuClick(HelpItem item);

private:
    QString Str(int id, int bufferSize = 100) const { return strings_.Str(id, bufferSize); }

    const StringTable& strings_;
    UiServices& ui_;
    std::function<QString()> upgradePageAddress_;
    QString programDirectory_;
    QString helpDirectory_;
};

} // namespace tornavel
