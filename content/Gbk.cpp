#include "GbkCodec.h"
#include "TextFileStore.h"

#include <QChar>

#include <algorithm>
#include <cerrno>
#include <map>
#include <string>

namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

// Opening an iconv descriptor loads (and closing may unload) the converter
// module, which costs far more than converting a short text. Each thread keeps
// the descriptors it has opened; the encodings used are stateless, so a reset
// before each use is all a descriptor needs.
class ConverterCache {
public:
    ~ConverterCache() { clear(); }

    iconv_t get(const char* to, const char* from) {
        std::string key = std::string(to) + '<' + from;
        auto it = open_.find(key);
        if (it == open_.end()) {
            // Only converters that exist are kept: the system has a fixed set of
            // them, while documents may name any number of unknown code pages.
            const iconv_t cd = iconv_open(to, from);
            if (cd == kNoConverter) return cd;
            it = open_.emplace(std::move(key), cd).first;
        }
        iconv(it->second, nullptr, nullptr, nullptr, nullptr);
        return it->second;
    }

private:
    void clear() {
        for (auto& entry : open_)
            iconv_close(entry.second);
        open_.clear();
    }

    std::map<std::string, iconv_t> open_;
};

iconv_t converter(const char* to, const char* from) {
    thread_local ConverterCache cache;
    return cache.get(to, from);
}

bool isHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool isLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

} // namespace

namespace Gbk {

Decoder::Decoder(int codePage) : codePage_(codePage), cd_(kNoConverter) {
    if (codePage == 65001) return;
    const QByteArray name = "CP" + QByteArray::number(codePage);
    cd_ = converter("UTF-16LE", name.constData());
    if (cd_ == kNoConverter && codePage != 1252) fallback_ = new Decoder(1252);
}

Decoder::~Decoder() {
    delete fallback_;
}

void Decoder::decodeAppend(const char* bytes, qsizetype size, QString& out) {
    if (size <= 0) return;
    if (codePage_ == 65001) {
        out.append(QString::fromUtf8(bytes, size));
        return;
    }
    if (fallback_) {
        fallback_->decodeAppend(bytes, size, out);
        return;
    }
    if (cd_ == kNoConverter) {
        out.append(QString::fromLatin1(bytes, size));
        return;
    }

    char16_t buffer[512];
    char* in = const_cast<char*>(bytes);
    size_t inLeft = size_t(size);
    while (inLeft > 0) {
        // ASCII reads the same in every code page we accept: copy it directly.
        if (static_cast<unsigned char>(*in) < 0x80) {
            size_t run = 1;
            while (run < inLeft && static_cast<unsigned char>(in[run]) < 0x80)
                ++run;
            out.append(QLatin1StringView(in, qsizetype(run)));
            in += run;
            inLeft -= run;
            continue;
        }
        // Convert up to the next ASCII byte, so an error is found right away. A
        // double-byte character may take an ASCII trail byte.
        size_t run = 0;
        while (run < inLeft && static_cast<unsigned char>(in[run]) >= 0x80)
            ++run;
        if (run < inLeft) ++run;
        size_t runLeft = run;
        while (runLeft > 0) {
            char* outPtr = reinterpret_cast<char*>(buffer);
            size_t outLeft = sizeof buffer;
            const size_t rc = iconv(cd_, &in, &runLeft, &outPtr, &outLeft);
            out.append(QStringView(buffer, qsizetype((sizeof buffer - outLeft) / 2)));
            if (rc == size_t(-1)) {
                if (errno == E2BIG) continue;
                // An invalid or truncated sequence: one replacement character for
                // its first byte, then carry on with the next byte.
                out.append(QChar::ReplacementCharacter);
                ++in;
                --runLeft;
                iconv(cd_, nullptr, nullptr, nullptr, nullptr);
            }
        }
        inLeft -= run;
    }
}

QString decodeCodePage(const QByteArray& bytes, int codePage) {
    QString out;
    if (bytes.isEmpty()) return out;
    out.reserve(bytes.size());
    Decoder(codePage).decodeAppend(bytes.constData(), bytes.size(), out);
    return out;
}

Encoder::Encoder() : to_(converter("CP936", "UTF-16LE")), back_(converter("UTF-16LE", "CP936")) {}

Encoder::~Encoder() = default;

bool Encoder::encodeChar(const char16_t* units, int len, QByteArray& out) {
    if (len == 1 && units[0] < 0x80) {
        out.append(char(units[0]));
        return true;
    }
    if (to_ == kNoConverter || back_ == kNoConverter) return false;

    char buffer[16];
    char* in = reinterpret_cast<char*>(const_cast<char16_t*>(units));
    size_t inLeft = size_t(len) * 2;
    char* outPtr = buffer;
    size_t outLeft = sizeof buffer;
    const size_t rc = iconv(to_, &in, &inLeft, &outPtr, &outLeft);
    bool ok = rc == 0 && inLeft == 0;
    const size_t written = sizeof buffer - outLeft;
    if (ok) {
        char16_t check[8];
        char* backIn = buffer;
        size_t backInLeft = written;
        char* backOut = reinterpret_cast<char*>(check);
        size_t backOutLeft = sizeof check;
        const size_t brc = iconv(back_, &backIn, &backInLeft, &backOut, &backOutLeft);
        const size_t got = (sizeof check - backOutLeft) / 2;
        ok = brc != size_t(-1) && backInLeft == 0 && got == size_t(len) &&
             std::equal(check, check + got, units);
    }
    if (!ok) {
        iconv(to_, nullptr, nullptr, nullptr, nullptr);
        iconv(back_, nullptr, nullptr, nullptr, nullptr);
        return false;
    }
    out.append(buffer, qsizetype(written));
    return true;
}

QString decode(const QByteArray& bytes) {
    return decodeCodePage(bytes, 936);
}

QByteArray encode(const QString& text, bool* unencodable) {
    if (unencodable) *unencodable = false;
    QByteArray out;
    if (text.isEmpty()) return out;
    out.reserve(text.size() * 2);
    Encoder encoder;
    const char16_t* units = reinterpret_cast<const char16_t*>(text.utf16());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n;) {
        int len = 1;
        if (isHighSurrogate(units[i]) && i + 1 < n && isLowSurrogate(units[i + 1])) len = 2;
        if (!encoder.encodeChar(units + i, len, out)) {
            out.append('?');
            if (unencodable) *unencodable = true;
        }
        i += len;
    }
    return out;
}

bool canEncode(QChar c) {
    if (c.isSurrogate()) return false;
    bool lost = false;
    encode(QString(c), &lost);
    return !lost;
}

bool canEncode(const QString& text) {
    bool lost = false;
    encode(text, &lost);
    return !lost;
}

} // namespace Gbk
