#pragma once

// Internal to the content library: the converters behind Gbk and the RTF
// reader and writer.

#include <QByteArray>
#include <QString>

#include <iconv.h>

namespace Gbk {
// Decodes bytes in a Windows code page (936, 1252, 65001 ...). Unknown code
// pages read as 1252. Invalid sequences become U+FFFD.
QString decodeCodePage(const QByteArray& bytes, int codePage);

// Decodes bytes of one code page, keeping its iconv descriptor open across
// calls (the RTF reader decodes many short runs).
class Decoder {
public:
    explicit Decoder(int codePage);
    ~Decoder();
    Decoder(const Decoder&) = delete;
    Decoder& operator=(const Decoder&) = delete;

    void decodeAppend(const char* bytes, qsizetype size, QString& out);

private:
    int codePage_;
    iconv_t cd_;
    Decoder* fallback_ = nullptr; // 1252 (or Latin-1) when the code page is unknown
};

// Encodes one character at a time, keeping its two iconv descriptors open.
class Encoder {
public:
    Encoder();
    ~Encoder();
    Encoder(const Encoder&) = delete;
    Encoder& operator=(const Encoder&) = delete;

    // Appends the GBK bytes of the character of `len` UTF-16 units (1 or 2)
    // and returns true, or appends nothing and returns false when GBK cannot
    // hold it (only characters that decode back to themselves count).
    bool encodeChar(const char16_t* units, int len, QByteArray& out);

private:
    iconv_t to_;
    iconv_t back_;
};
} // namespace Gbk
