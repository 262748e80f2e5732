#include "core/rtf_reader.h"

#include "platform/windows1252.h"


#include <algorithm>
#include <array>
#include <vector>

namespace tornavel {

QString RtfDocument::PlainText() const
{
    QStringList lines;
    for (const RtfParagraph& paragraph : paragraphs) {
        QString line;
        for (const RtfRun& run : paragraph.runs)
            line += run.text;
        lines << line;
    }
    return lines.join(QLatin1Char('\n'));
}

namespace {

// Groups nested deeper than this share the format of the deepest one kept.
constexpr int kMaxKeptDepth = 64;
// A control word's name and number are cut here; the rest is read as text.
constexpr int kMaxWordLength = 32;
constexpr int kMaxDigits = 10;

// Destinations whose text is not shown.
bool IsSkippedDestination(const QByteArray& word)
{
    static const std::array<const char*, 24> kSkipped = {
        "fonttbl", "stylesheet", "info", "pict", "object", "header", "footer", "headerl", "headerr",
        "headerf", "footerl", "footerr", "footerf", "listtable", "listoverridetable", "rsidtbl",
        "generator", "xmlnstbl", "themedata", "colorschememapping", "datastore", "latentstyles",
        "filetbl", "fldinst"};
    for (const char* name : kSkipped) {
        if (word == name)
            return true;
    }
    return false;
}

struct GroupState {
    RtfRun format;        // text empty: the character format in force
    RtfParagraph::Align align = RtfParagraph::Align::Left;
    int unicodeSkip = 1;  // \ucN: fallback characters after \uN
    bool skipped = false; // inside a destination that is not shown
    bool colourTable = false;
};

class Reader {
public:
    explicit Reader(const QByteArray& data) : data_(data) {}

    RtfDocument Read()
    {
        stack_.push_back(GroupState{});
        while (pos_ < data_.size()) {
            const char c = data_[pos_++];
            switch (c) {
            case '{': OpenGroup(); break;
            case '}': CloseGroup(); break;
            case '\\': ControlSequence(); break;
            case '\r':
            case '\n': break;
            default: Byte(static_cast<unsigned char>(c)); break;
            }
        }
        EndParagraph(true);
        return std::move(document_);
    }

private:
    GroupState& State() { return stack_.back(); }

    void OpenGroup()
    {
        ++depth_;
        if (depth_ < kMaxKeptDepth) {
            GroupState inner = State();
            inner.colourTable = false;
            stack_.push_back(inner);
        }
        destinationStart_ = true;
    }

    void CloseGroup()
    {
        if (depth_ == 0)
            return; // a brace too many closes nothing
        if (depth_ < kMaxKeptDepth)
            stack_.pop_back();
        --depth_;
        destinationStart_ = false;
    }

    void ControlSequence()
    {
        if (pos_ >= data_.size())
            return;
        const char c = data_[pos_];
        if (!IsLetter(c)) {
            ++pos_;
            ControlSymbol(c);
            return;
        }
        QByteArray word;
        while (pos_ < data_.size() && IsLetter(data_[pos_]) && word.size() < kMaxWordLength)
            word += data_[pos_++];
        bool hasNumber = false;
        bool negative = false;
        long long number = 0;
        if (pos_ < data_.size() && data_[pos_] == '-') {
            negative = true;
            ++pos_;
        }
        int digits = 0;
        while (pos_ < data_.size() && IsDigit(data_[pos_])) {
            if (digits < kMaxDigits)
                number = number * 10 + (data_[pos_] - '0');
            ++digits;
            ++pos_;
            hasNumber = true;
        }
        if (negative)
            number = -number;
        if (pos_ < data_.size() && data_[pos_] == ' ')
            ++pos_;
        ControlWord(word, hasNumber, static_cast<int>(std::clamp<long long>(number, -2147483647LL, 2147483647LL)));
    }

    void ControlSymbol(char c)
    {
        destinationStart_ = false;
        switch (c) {
        case '*': State().skipped = true; break;
        case '\'': {
            const int value = HexByte();
            if (value >= 0)
                Byte(static_cast<unsigned char>(value));
            break;
        }
        case '~': Text(QChar(0x00A0)); break;
        case '_': Text(QChar(0x2011)); break;
        case '\r':
        case '\n': EndParagraph(false); break;
        case '\\':
        case '{':
        case '}': Byte(static_cast<unsigned char>(c)); break;
        default: break; // "\-" optional hyphen, unknown symbols
        }
    }

    void ControlWord(const QByteArray& word, bool hasNumber, int number)
    {
        const bool atStart = destinationStart_;
        destinationStart_ = false;
        if (atStart && IsSkippedDestination(word)) {
            State().skipped = true;
            return;
        }
        if (word == "colortbl") {
            State().colourTable = true;
            State().skipped = true;
            colours_.clear();
            pendingColour_ = 0;
            return;
        }
        if (State().colourTable) {
            ColourTableWord(word, number);
            return;
        }
        if (word == "bin") {
            // Binary data: its bytes are not text.
            pos_ += std::max(0, number);
            return;
        }
        if (word == "u") {
            Text(QChar(static_cast<char16_t>(number < 0 ? number + 65536 : number)));
            SkipFallback(State().unicodeSkip);
            return;
        }
        if (word == "uc") {
            State().unicodeSkip = std::clamp(number, 0, 10);
            return;
        }
        if (State().skipped)
            return;
        RtfRun& f = State().format;
        const bool on = !hasNumber || number != 0;
        if (word == "par")
            EndParagraph(false);
        else if (word == "line")
            Text(QChar::LineSeparator);
        else if (word == "tab")
            Text(QLatin1Char('\t'));
        else if (word == "pard")
            State().align = RtfParagraph::Align::Left;
        else if (word == "plain")
            f = RtfRun{};
        else if (word == "b")
            f.bold = on;
        else if (word == "i")
            f.italic = on;
        else if (word == "ul")
            f.underline = on;
        else if (word == "ulnone")
            f.underline = false;
        else if (word == "fs")
            f.halfPoints = hasNumber && number >= 2 && number <= 400 ? number : 0;
        else if (word == "cf")
            SetColour(number);
        else if (word == "ql")
            State().align = RtfParagraph::Align::Left;
        else if (word == "qc")
            State().align = RtfParagraph::Align::Centre;
        else if (word == "qr")
            State().align = RtfParagraph::Align::Right;
        else if (word == "qj")
            State().align = RtfParagraph::Align::Justify;
        else if (word == "emdash")
            Text(QChar(0x2014));
        else if (word == "endash")
            Text(QChar(0x2013));
        else if (word == "bullet")
            Text(QChar(0x2022));
        else if (word == "lquote")
            Text(QChar(0x2018));
        else if (word == "rquote")
            Text(QChar(0x2019));
        else if (word == "ldblquote")
            Text(QChar(0x201C));
        else if (word == "rdblquote")
            Text(QChar(0x201D));
    }

    void ColourTableWord(const QByteArray& word, int number)
    {
        const unsigned component = static_cast<unsigned>(std::clamp(number, 0, 255));
        if (word == "red")
            pendingColour_ = (pendingColour_ & 0x00FFFFu) | (component << 16);
        else if (word == "green")
            pendingColour_ = (pendingColour_ & 0xFF00FFu) | (component << 8);
        else if (word == "blue")
            pendingColour_ = (pendingColour_ & 0xFFFF00u) | component;
        pendingColourSet_ = true;
    }

    void SetColour(int index)
    {
        RtfRun& f = State().format;
        // Entry 0, an empty entry or one beyond the table: the default colour.
        if (index <= 0 || index >= static_cast<int>(colours_.size()) || colours_[index] < 0) {
            f.hasColour = false;
            f.rgb = 0;
            return;
        }
        f.hasColour = true;
        f.rgb = static_cast<unsigned>(colours_[index]);
    }

    // The characters that stand in for a \uN character for older readers.
    void SkipFallback(int count)
    {
        while (count > 0 && pos_ < data_.size()) {
            const char c = data_[pos_];
            if (c == '{' || c == '}')
                return;
            if (c == '\\') {
                if (pos_ + 1 < data_.size() && data_[pos_ + 1] == '\'') {
                    pos_ += 2;
                    HexByte();
                } else {
                    // A control word stands for one character: leave it to be read.
                    return;
                }
            } else if (c != '\r' && c != '\n') {
                ++pos_;
            } else {
                ++pos_;
                continue;
            }
            --count;
        }
    }

    // Two hexadecimal digits after "\'"; -1 when they are not there (nothing read).
    int HexByte()
    {
        if (pos_ + 1 >= data_.size())
            return (pos_ = data_.size(), -1);
        const int high = HexDigit(data_[pos_]);
        const int low = HexDigit(data_[pos_ + 1]);
        if (high < 0 || low < 0)
            return -1;
        pos_ += 2;
        return high * 16 + low;
    }

    void Byte(unsigned char byte)
    {
        destinationStart_ = false;
        if (State().colourTable) {
            if (byte == ';') {
                colours_.push_back(pendingColourSet_ ? static_cast<long>(pendingColour_) : -1L);
                pendingColour_ = 0;
                pendingColourSet_ = false;
            }
            return;
        }
        if (byte < 0x20 && byte != '\t')
            return;
        Text(DecodeWindows1252(QByteArray(1, static_cast<char>(byte))).at(0));
    }

    void Text(QChar c)
    {
        if (State().skipped)
            return;
        const RtfRun& f = State().format;
        paragraph_.align = State().align;
        if (paragraph_.runs.isEmpty() || !paragraph_.runs.back().SameFormat(f)) {
            RtfRun run = f;
            run.text.clear();
            paragraph_.runs.push_back(run);
        }
        paragraph_.runs.back().text += c;
    }

    // Closes the paragraph being read; at the end of the document an empty one is
    // dropped.
    void EndParagraph(bool atEnd)
    {
        if (!atEnd || !paragraph_.runs.isEmpty()) {
            if (paragraph_.runs.isEmpty())
                paragraph_.align = State().align;
            document_.paragraphs.push_back(paragraph_);
        }
        paragraph_ = RtfParagraph{};
    }

    static bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
    static int HexDigit(char c)
    {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    }

    const QByteArray& data_;
    qsizetype pos_ = 0;
    int depth_ = 0;
    bool destinationStart_ = false;
    std::vector<GroupState> stack_;
    std::vector<long> colours_;
    unsigned pendingColour_ = 0;
    bool pendingColourSet_ = false;
    RtfParagraph paragraph_;
    RtfDocument document_;
};

RtfDocument ReadPlainText(const QByteArray& data)
{
    QString text = QString::fromUtf8(data);
    if (text.toUtf8() != data) // not valid UTF-8
        text = DecodeWindows1252(data);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    RtfDocument document;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        RtfParagraph paragraph;
        if (!line.isEmpty())
            paragraph.runs.push_back(RtfRun{line});
        document.paragraphs.push_back(paragraph);
    }
    return document;
}

} // namespace

RtfDocument ReadRtf(const QByteArray& data)
{
    qsizetype start = 0;
    if (data.startsWith("\xEF\xBB\xBF"))
        start = 3;
    while (start < data.size() && (data[start] == ' ' || data[start] == '\t' || data[start] == '\r' || data[start] == '\n'))
        ++start;
    if (data.mid(start, 5) != "{\\rtf")
        return ReadPlainText(data);
    return Reader(data).Read();
}

} // namespace tornavel
