#include "core/session.h"

#include "core/history_file.h"
#include "core/menus.h"
#include "core/options_file.h"
#include "platform/save_file.h"

#include <QDir>

namespace tornavel {

namespace {

// The label of the message window does not wrap its text: a message is laid out in
// lines of at most this many characters.
constexpr qsizetype kMessageLineLength = 28;

// Splits a word longer than a line after its last "/" that fits, else at the limit.
QStringList SplitLongWord(QString word)
{
    QStringList pieces;
    while (word.size() > kMessageLineLength) {
        const qsizetype slash = word.lastIndexOf(u'/', kMessageLineLength - 1);
        const qsizetype cut = slash > 0 ? slash + 1 : kMessageLineLength;
        pieces << word.left(cut);
        word.remove(0, cut);
    }
    pieces << word;
    return pieces;
}

QStringList WrapMessage(const QString& text)
{
    QStringList lines;
    QString line;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        for (const QString& piece : SplitLongWord(word)) {
            if (!line.isEmpty() && line.size() + 1 + piece.size() > kMessageLineLength) {
                lines << line;
                line.clear();
            }
            line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + piece;
        }
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

// True when the file at `path` already holds `bytes`: a save that failed lost nothing.
bool FileHolds(const QString& path, const QByteArray& bytes)
{
    QByteArray present;
    return ReadRegularFile(path, bytes.size() + 1, present) == FileReadStatus::Read && present == bytes;
}

// Names the file by its whole path. A file named relative to the current folder is
// named in the folder as it was at the start when that folder was deleted meanwhile
// (it has no path any more).
void ShowSaveFailure(UiServices& ui, const QString& what, const QString& path, const QString& startFolder,
                     const QString& reason)
{
    const QString current = QDir::currentPath();
    const QDir folder(current.isEmpty() ? startFolder : current);
    const QString file = QDir::toNativeSeparators(folder.absoluteFilePath(path));
    // The colon stays on the line of the file name.
    const QStringList lines = WrapMessage(QStringLiteral("Impossible d'enregistrer ") + what + QStringLiteral(" dans ")
                                          + file + QStringLiteral("\u00A0: ") + reason);
    ui.ShowMessageForm(lines.join(u'\n'), static_cast<int>(lines.size()));
}

} // namespace

void Session::FormCreate(const QString& resizableSetting)
{
    FormCreate(resizableSetting, numbers_.Separator());
}

void Session::FormCreate(const QString& resizableSetting, const QString& decimalSeparator)
{
    // Only the exact text "O" asks for a resizable window.
    windowResizable_ = resizableSetting == QLatin1String("O");

    productName_ = Str(0, 20);
    productVersion_ = Str(133, 20);
    window.caption = productName_;
    // The upgrade item always reads the program's own text.
    window.menuCaptions.insert(QStringLiteral("MiseANiveau"), strings.OwnStr(348));

    const QString nextHint = Str(134);
    for (PanelState& panel : panels) {
        panel.nextHint = panel.hasNextKey ? nextHint : QString();
        panel.formula.clear();
    }

    ResetOptionSelections();
    for (PanelState& panel : panels) {
        for (RadioButtonState& radio : panel.radios)
            radio.checked = false;
    }
    keys.KeypadEnabled = true;
    keys.VariantChangedFlag = false;
    keys.ComboReselectFlag = false;

    calculatorNames_ = ReadCalculatorTitles(strings, descriptions);
    LoadMainCaptions();

    AngleUnitSuffix = QStringLiteral("(°)");
    keys.LastKeyCode = Code::None;
    keys.KeyClass = Code::None;
    numbers_ = NumberRules(decimalSeparator);
}

void Session::LoadMainCaptions()
{
    struct Caption {
        const char* item;
        int id;
    };
    static constexpr Caption kCaptions[] = {
        {"AideTornavel", 185},
        {"Collaboration", 186},
        {"AstucesTornavel", 187},
        {"PagePresentationTornavel", 188},
        {"SiteInternetAuteur", 189},
        {"AproposdeTornavel", 190},
        {"UniteMesure", 120},
        {"SelCalculetteDefaut", 191},
        {"SelCalculetteFavorites", 192},
    };
    for (const Caption& c : kCaptions)
        window.menuCaptions.insert(QString::fromLatin1(c.item), Str(c.id));
    for (const CalculatorMenuEntry& entry : descriptions.Menu()) {
        if (entry.item >= 0)
            window.menuCaptions.insert(entry.name, Str(descriptions.Of(entry.calculator).titleId));
    }
}

void Session::FormActivate()
{
    // Later activations (a modal window closed, the window restored) do nothing.
    if (firstActivationDone)
        return;
    firstActivationDone = true;

    optionsStore_.Load(optionsStore_.FilePath());
    keys.MemoryValue = 0.0;

    startFolder_ = QDir::currentPath();
    historyBook_.Load(historyBook_.FilePath());
    keys.RecomputingFlag = false;

    // A damaged options file cannot name a calculator that does not exist: the default
    // of a first start opens instead.
    PushCalculator(IsCalculatorNumber(options.DefaultCalculator) ? options.DefaultCalculator
                                                                 : Options{}.DefaultCalculator,
                   -1);

    // The upgrade item appears, if at all, when the version list has answered.
    window.upgradeItemVisible = false;
    updateCheck_.CheckForUpdate(productName_ + productVersion_);
}

void Session::FormClose()
{
    // Before the first activation nothing was read: saving now would replace the
    // user's files with the start values.
    if (!firstActivationDone)
        return;
    // A save that fails is told at once, unless the file already holds what would be
    // lost: the session's option changes, its history.
    QString reason;
    if (options.OptionsChanged && !optionsStore_.Save(optionsStore_.FilePath(), &reason)
        && !FileHolds(optionsStore_.FilePath(), EncodeOptions(options)))
        ShowSaveFailure(ui, QStringLiteral("les options"), optionsStore_.FilePath(), startFolder_, reason);
    if (!historyBook_.Save(historyBook_.FilePath(), &reason) && history.LastHistoryIndex >= 0
        && !FileHolds(historyBook_.FilePath(), EncodeHistory(history)))
        ShowSaveFailure(ui, QStringLiteral("l'historique des calculs"), historyBook_.FilePath(), startFolder_,
                        reason);
    // The calculator records are plain data: discarding them hands nothing back.
}

} // namespace tornavel
