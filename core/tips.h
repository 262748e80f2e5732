#pragma once

#include "core/help_links.h"
#include "core/rtf_reader.h"

#include <QString>

namespace tornavel {

// The rules of the tips window FAstuces: eleven tips shown one at a time, the
// previous and next buttons, and the "?" button that opens a page about the tip.
// The window keeps one of these for the whole run, so the tip last seen is shown
// again at the next showing.
class TipsWindow {
public:
    static constexpr int TipCount = 11;

    // The pages about the tips are those of `links`, opened on `desktop`.
    TipsWindow(const HelpLinks& links, DesktopServices& desktop);

    int Tip() const { return tip_; }
    bool PredEnabled() const { return tip_ > 1; }          // BtnPred
    bool SuivantEnabled() const { return tip_ < TipCount; } // BtnSuivant
    // BtnAide: tips without a page about them (2, 6 and 8) disable it.
    bool AideEnabled() const;

    void BtnPredClick();
    void BtnSuivantClick();
    // Opens the page about the tip on screen; a failure is not reported.
    void BtnAideClick();

    // The document of the tip on screen, or the two lines that say it is missing. Only
    // its beginning is given, at most kMaxRuns runs of formatted text, with break points
    // in runs of letters too long for a line (see TextBounder), so that the window lays
    // it out at once.
    static constexpr qsizetype kMaxRuns = 1024;
    RtfDocument Document() const;

    // The file of tip `tip`: "Aide/Astuce_<tip>.rtf" in the help directory first, then in
    // the current directory; empty when neither exists.
    QString DocumentPath(int tip) const;

private:
    const HelpLinks& links_;
    DesktopServices& desktop_;
    int tip_ = 1;
};

} // namespace tornavel
