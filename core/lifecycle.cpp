#include "core/lifecycle.h"

#include "core/calculator_stack.h"
#include "core/history_book.h"
#include "core/options_store.h"
#include "core/screen.h"
#include "core/strings.h"
#include "core/ui_services.h"
#include "core/update_check.h"

#include "core/history_file.h"
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

// The message of a file that could not be saved, naming the file by its whole path. A
// file named relative to the current folder is named in the folder as it was at the
// start when that folder was deleted meanwhile (it has no path any more).
QString SaveFailure(const QString& what, const QString& path, const QString& startFolder, const QString& reason)
{
    const QString current = QDir::currentPath();
    const QDir folder(current.isEmpty() ? startFolder : current);
    const QString file = QDir::toNativeSeparators(folder.absoluteFilePath(path));
    // The colon stays on the line of the file name.
    return QStringLiteral("Impossible d'enregistrer ") + what + QStringLiteral(" dans ") + file
        + QStringLiteral("\u00A0: ") + reason;
}

} // namespace

Lifecycle::Lifecycle(const StringTable& strings_, UiServices& ui_, const CalculatorRegistry& descriptions_,
                     Screen& screen, CalculatorStack& stack, KeyState& keys_, OptionsStore& optionsStore,
                     HistoryBook& historyBook, UpdateCheck& updateCheck, NumberRules& numbers)
    : strings(strings_), ui(ui_), descriptions(descriptions_), screen_(screen), stack_(stack), keys(keys_),
      optionsStore_(optionsStore), historyBook_(historyBook), updateCheck_(updateCheck), numbers_(numbers)
{
}

void Lifecycle::FormCreate(const QString& resizableSetting)
{
    FormCreate(resizableSetting, numbers_.Separator());
}

void Lifecycle::FormCreate(const QString& resizableSetting, const QString& decimalSeparator)
{
    // Only the exact text "O" asks for a resizable window.
    windowResizable_ = resizableSetting == QLatin1String("O");

    productName_ = strings.Str(0, 20);
    productVersion_ = strings.Str(133, 20);
    screen_.FormCreate(productName_);

    keys.WindowCreated();
    numbers_ = NumberRules(decimalSeparator);
}

void Lifecycle::FormActivate()
{
    // Later activations (a modal window closed, the window restored) do nothing.
    if (firstActivationDone)
        return;
    firstActivationDone = true;

    optionsStore_.Load(optionsStore_.FilePath());

    startFolder_ = QDir::currentPath();
    historyBook_.Load(historyBook_.FilePath());
    keys.Activated();

    // A damaged options file cannot name a calculator that does not exist: the default
    // of a first start opens instead.
    const Options& options = optionsStore_.Values();
    stack_.PushCalculator(descriptions.Has(options.DefaultCalculator) ? options.DefaultCalculator
                                                                      : Options{}.DefaultCalculator,
                          -1);

    // The upgrade item appears, if at all, when the version list has answered.
    screen_.ShowUpgradeItem(false);
    updateCheck_.CheckForUpdate(Product());
}

void Lifecycle::FormClose()
{
    // Before the first activation nothing was read: saving now would replace the
    // user's files with the start values.
    if (!firstActivationDone)
        return;
    if (!closing_) {
        closing_ = true;
        SaveAtClose();
    }
    // Both files are saved before either message waits for the user.
    while (!untoldFailures_.isEmpty()) {
        const QString text = untoldFailures_.takeFirst();
        const QStringList lines = WrapMessage(text);
        ui.ShowSaveFailure(text, lines.join(u'\n'), static_cast<int>(lines.size()));
    }
    closing_ = false;
    // The calculator records are plain data: discarding them hands nothing back.
}

void Lifecycle::SaveAtClose()
{
    // A save that fails is told, unless the file already holds what would be lost: the
    // session's option changes, its history.
    const Options& options = optionsStore_.Values();
    const History& history = historyBook_.Values();
    QString reason;
    if (options.OptionsChanged && !optionsStore_.Save(optionsStore_.FilePath(), &reason)
        && !FileHolds(optionsStore_.FilePath(), EncodeOptions(options)))
        untoldFailures_ << SaveFailure(QStringLiteral("les options"), optionsStore_.FilePath(), startFolder_, reason);
    if (!historyBook_.Save(historyBook_.FilePath(), &reason) && history.LastHistoryIndex >= 0
        && !FileHolds(historyBook_.FilePath(), EncodeHistory(history)))
        untoldFailures_ << SaveFailure(QStringLiteral("l'historique des calculs"), historyBook_.FilePath(),
                                       startFolder_, reason);
}

} // namespace tornavel
