// The download path as the program takes it from outside: the helper's output read
// under its bound and turned into a reply, and the body of that reply read as the
// version list it would be saved as.
//
// Input: byte 0 sets the output bound (and whether the helper exited well), byte 1 the
// size of the pieces the output arrives in (0xFF: the list is padded past its largest
// size); the rest is what the helper writes.

#include "platform/child_fetch.h"
#include "tests/fuzz/fuzz_support.h"
#include "platform/inifile.h"
#include "platform/version_list.h"

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace tornavel;

namespace {

QTemporaryDir* Folder()
{
    static QTemporaryDir* folder = new QTemporaryDir; // lives until the process ends
    return folder;
}

void ReadAsHelperOutput(QByteArrayView output, qsizetype limit, qsizetype piece, bool exitedWell)
{
    HelperOutput taken(limit);
    bool refused = false;
    for (qsizetype at = 0; at < output.size(); at += piece) {
        const bool kept = taken.Take(output.sliced(at, std::min(piece, output.size() - at)));
        FUZZ_CHECK(!(refused && kept), "bytes kept after the output was refused");
        refused = refused || !kept;
        FUZZ_CHECK(taken.Bytes().size() <= limit, "more kept than the bound");
    }
    FUZZ_CHECK(taken.Overflowed() == (output.size() > limit), "the bound refused a fitting output or let one pass");
    FUZZ_CHECK(output.startsWith(taken.Bytes()), "what was kept is not what came first");

    const HttpReply reply = ReplyFromHelperOutput(exitedWell, taken.Bytes());
    FUZZ_CHECK(reply.body.size() <= taken.Bytes().size(), "a reply longer than the output");
    if (reply.ok) {
        FUZZ_CHECK(exitedWell && IsSuccessStatus(reply.status), "a reply taken from a failed helper or status");
        FUZZ_CHECK(taken.Bytes().endsWith(reply.body)
                    && taken.Bytes().at(taken.Bytes().size() - reply.body.size() - 1) == '\n',
                "a reply whose body is not the output after its first line");
        // The first line is the status and the length, as the helper writes them.
        FUZZ_CHECK(taken.Bytes().left(taken.Bytes().indexOf('\n'))
                        == QByteArray::number(reply.status) + ' ' + QByteArray::number(reply.body.size()),
                "a reply whose status or body is not as announced");
    }
}

void ReadAsVersionList(QByteArray list, bool padPastTheBound)
{
    if (padPastTheBound)
        list += '\n' + QByteArray(kMaxVersionListBytes, ';');
    const QString path = Folder()->filePath(QStringLiteral("Liste_logiciels.ini"));
    // Written plainly: the atomic save's sync to disk would make every run slow.
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(list) == list.size(),
            "the list could not be written");
    file.close();
    const VersionListEntry entry = ReadVersionListSection(path, QStringLiteral("Tornavel1.1"));
    if (!entry.sectionFound) {
        FUZZ_CHECK(entry.DerVersion.isEmpty() && entry.DateMaj.isEmpty() && entry.UrlMaj.isEmpty()
                    && entry.NomPInstall.isEmpty(),
                "values of a section that was not found");
        return;
    }
    FUZZ_CHECK(!padPastTheBound, "a list past its largest size was read");
    FUZZ_CHECK(entry.DerVersion.size() <= kMaxVersionListValueLength && entry.DateMaj.size() <= kMaxVersionListValueLength
                && entry.UrlMaj.size() < IniFile::kMaxValueLength,
            "a value past its bound handed on");
    if (const auto date = ParseUpdateDate(entry.DateMaj))
        FUZZ_CHECK(date->isValid(), "an invalid date read as one");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const qsizetype limit = qsizetype(data[0] >> 1) * 64;
    const bool exitedWell = (data[0] & 1) != 0;
    const qsizetype piece = qsizetype(data[1]) + 1;
    const QByteArrayView output(reinterpret_cast<const char*>(data) + 2, qsizetype(size - 2));
    ReadAsHelperOutput(output, limit, piece, exitedWell);
    // The body that a helper's get would hand on, read as the list a download saves.
    const HttpReply whole = ReplyFromHelperOutput(true, output.toByteArray());
    ReadAsVersionList(whole.ok ? whole.body : output.toByteArray(), data[1] == 0xFF);
    if (const auto date = ParseUpdateDate(QString::fromUtf8(output.first(std::min<qsizetype>(output.size(), 256)))))
        FUZZ_CHECK(date->isValid(), "an invalid date read as one");
    return 0;
}
