// The text-file store's reader: whatever bytes a data file holds, Load must
// return, and a text it returns must survive Save and Load unchanged.

#include "TextFileStore.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {
void roundTrip(const QString& text) {
    if (TextFileStore::fromRtf(TextFileStore::toRtf(text)) != text) std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    // What Load does with the bytes of a file, RTF or plain GBK.
    const QString text =
        TextFileStore::looksLikeRtf(bytes) ? TextFileStore::fromRtf(bytes) : Gbk::decode(bytes);
    roundTrip(text);

    // The same bytes as the body of an RTF document, so every input exercises
    // the RTF reader too.
    roundTrip(TextFileStore::fromRtf("{\\rtf1\\ansi\\ansicpg936 " + bytes));

    // Plain GBK decoding never loses its place: ASCII bytes come through as themselves.
    const QString plain = Gbk::decode(bytes);
    if (plain.isEmpty() != bytes.isEmpty()) std::abort();
    roundTrip(plain);

    // And arbitrary UTF-16 (lone surrogates included) round-trips as well; a
    // short piece shows the writer's faults as well as a long one.
    roundTrip(
        QString(reinterpret_cast<const QChar*>(data), qsizetype(std::min<size_t>(size / 2, 128))));
    return 0;
}
