// The RTF side of the text-file store: the one document form we write, and a
// reader for that form and for what word processors and converters write.

#include "GbkCodec.h"
#include "TextFileStore.h"

#include <QHash>

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <string_view>
#include <unordered_map>

#include <limits>
#include <vector>

namespace {

const char kHeader[] = "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 "
                       "\\'cb\\'ce\\'cc\\'e5;}}";
const char kParagraphSettings[] = "\\viewkind4\\uc1\\pard\\lang2052\\f0\\fs18 ";
const char kClosing[] = "\\par }";

const char kHexDigits[] = "0123456789abcdef";

void appendHexByte(QByteArray& out, unsigned char byte) {
    out.append("\\'");
    out.append(kHexDigits[byte >> 4]);
    out.append(kHexDigits[byte & 0xF]);
}

bool isHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool isLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// ---------------------------------------------------------------- reading

// The control words the reader acts on. Every destination listed as Skip
// holds no document text.
enum class Word {
    Other,
    Skip,
    Bin,
    U,
    Uc,
    AnsiCpg,
    Deff,
    FontTable,
    F,
    FCharset,
    Plain,
    Par,
    Line,
    Tab,
    EmDash,
    EnDash,
    EmSpace,
    EnSpace,
    QmSpace,
    Bullet,
    LQuote,
    RQuote,
    LDblQuote,
    RDblQuote,
};

Word wordOf(std::string_view name) {
    static const std::unordered_map<std::string_view, Word> words = [] {
        std::unordered_map<std::string_view, Word> w = {
            {"bin", Word::Bin},
            {"u", Word::U},
            {"uc", Word::Uc},
            {"ansicpg", Word::AnsiCpg},
            {"deff", Word::Deff},
            {"fonttbl", Word::FontTable},
            {"f", Word::F},
            {"fcharset", Word::FCharset},
            {"plain", Word::Plain},
            {"par", Word::Par},
            {"line", Word::Line},
            {"row", Word::Line},
            {"tab", Word::Tab},
            {"cell", Word::Tab},
            {"emdash", Word::EmDash},
            {"endash", Word::EnDash},
            {"emspace", Word::EmSpace},
            {"enspace", Word::EnSpace},
            {"qmspace", Word::QmSpace},
            {"bullet", Word::Bullet},
            {"lquote", Word::LQuote},
            {"rquote", Word::RQuote},
            {"ldblquote", Word::LDblQuote},
            {"rdblquote", Word::RDblQuote},
        };
        // clang-format off
        for (const char* skipped :
             {"colortbl", "stylesheet", "info", "pict", "object", "objdata", "header", "headerl",
              "headerr", "headerf", "footer", "footerl", "footerr", "footerf", "footnote",
              "fldinst", "themedata", "colorschememapping", "latentstyles", "datastore",
              "listtable", "listoverridetable", "rsidtbl", "generator", "xmlnstbl", "pgdsctbl",
              "bkmkstart", "bkmkend", "nonshppict", "template", "revtbl", "filetbl", "userprops",
              "docvar", "xe", "tc", "txe", "rxe", "ftnsep", "ftnsepc", "ftncn", "aftnsep",
              "aftnsepc", "aftncn", "annotation", "atnid", "atnauthor", "atrfstart", "atrfend",
              "private", "mmathPr", "wgrffmtfilter", "shpinst", "sp", "sn", "sv", "title",
              "subject", "author", "operator", "keywords", "comment", "doccomm", "company",
              "creatim", "revtim", "printim", "buptim", "falt", "panose", "blipuid", "upr",
              "fchars", "lchars", "pn", "listpicture", "shpgrp", "do", "mhtmltag", "htmltag",
              "xform", "formfield", "datafield", "background", "passwordhash", "protusertbl",
              "ud"})
            w.emplace(skipped, Word::Skip);
        // clang-format on
        return w;
    }();
    const auto it = words.find(name);
    return it == words.end() ? Word::Other : it->second;
}

// Code page of an RTF font character set (\fcharsetN); 0 when the document's own.
int codePageOfCharset(int charset) {
    switch (charset) {
    case 128:
        return 932;
    case 129:
        return 949;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    default:
        return 0;
    }
}

struct Group {
    bool skip = false;
    bool fontTable = false;
    int uc = 1;
    int font = -1;
};

class RtfReader {
public:
    explicit RtfReader(const QByteArray& rtf) : in_(rtf) {}

    QString read() {
        const qsizetype n = in_.size();
        while (pos_ < n) {
            const char c = in_[pos_];
            if (c == '{') {
                ++pos_;
                flush();
                skipChars_ = 0;
                Group g = groups_.empty() ? Group{} : groups_.back();
                groups_.push_back(g);
                continue;
            }
            if (c == '}') {
                ++pos_;
                flush();
                skipChars_ = 0;
                if (!groups_.empty()) groups_.pop_back();
                if (groups_.empty()) break; // the document's own group is closed
                continue;
            }
            if (c == '\\') {
                readControl();
                continue;
            }
            ++pos_;
            if (c == '\r' || c == '\n') continue; // line breaks of the file, not of the text
            if (consumeSkippedChar()) continue;
            if (c == '\t') {
                emitText(u"\t");
                continue;
            }
            emitByte(static_cast<unsigned char>(c));
        }
        flush();
        // The document's last paragraph mark ends it; it is not part of the text.
        if (lastParEnd_ >= 0 && lastParEnd_ == out_.size()) out_.truncate(lastParStart_);
        return out_;
    }

private:
    Group& group() {
        if (groups_.empty()) groups_.push_back(Group{});
        return groups_.back();
    }

    bool skipping() { return group().skip; }

    // Inside the fallback of a \uN: swallow one character.
    bool consumeSkippedChar() {
        if (skipChars_ <= 0) return false;
        --skipChars_;
        return true;
    }

    int currentCodePage() {
        const int font = group().font;
        if (cacheValid_ && font == cachedFont_) return cachedCodePage_;
        int cp = codePage_;
        if (font >= 0) {
            const auto it = fontCodePages_.constFind(font);
            if (it != fontCodePages_.constEnd() && it.value() != 0) cp = it.value();
        }
        cachedFont_ = font;
        cachedCodePage_ = cp;
        cacheValid_ = true;
        return cp;
    }

    void emitByte(unsigned char byte) {
        if (skipping()) return;
        const int cp = currentCodePage();
        if (!pending_.isEmpty() && cp != pendingCodePage_) flush();
        pendingCodePage_ = cp;
        pending_.append(char(byte));
    }

    void emitText(QStringView text) {
        if (skipping()) return;
        flush();
        out_.append(text);
    }

    void flush() {
        if (pending_.isEmpty()) return;
        auto& decoder = decoders_[pendingCodePage_];
        if (!decoder) decoder = std::make_unique<Gbk::Decoder>(pendingCodePage_);
        decoder->decodeAppend(pending_.constData(), pending_.size(), out_);
        pending_.clear();
    }

    static bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static bool isDigit(char c) { return c >= '0' && c <= '9'; }
    static int hexValue(char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    }

    void readControl() {
        const qsizetype n = in_.size();
        ++pos_; // the backslash
        if (pos_ >= n) return;
        const char c = in_[pos_];
        if (!isLetter(c)) {
            ++pos_;
            readControlSymbol(c);
            return;
        }
        const qsizetype start = pos_;
        while (pos_ < n && isLetter(in_[pos_]))
            ++pos_;
        const std::string_view word(in_.constData() + start, size_t(pos_ - start));
        bool hasParam = false;
        long long param = 0;
        bool negative = false;
        if (pos_ < n && in_[pos_] == '-' && pos_ + 1 < n && isDigit(in_[pos_ + 1])) {
            negative = true;
            ++pos_;
        }
        while (pos_ < n && isDigit(in_[pos_])) {
            hasParam = true;
            if (param < 100000000000LL) param = param * 10 + (in_[pos_] - '0');
            ++pos_;
        }
        if (pos_ < n && in_[pos_] == ' ') ++pos_;
        if (negative) param = -param;
        const int value = int(std::clamp<long long>(param, std::numeric_limits<int>::min(),
                                                    std::numeric_limits<int>::max()));
        controlWord(word, hasParam, value);
    }

    void readControlSymbol(char c) {
        if (c == '\'') {
            int value = 0;
            int digits = 0;
            while (digits < 2 && pos_ < in_.size() && hexValue(in_[pos_]) >= 0) {
                value = value * 16 + hexValue(in_[pos_]);
                ++pos_;
                ++digits;
            }
            if (consumeSkippedChar() || digits < 2) return;
            if (group().fontTable) return;
            emitByte(static_cast<unsigned char>(value));
            return;
        }
        if (c == '*') {
            // An optional destination this reader does not know: skip its group.
            group().skip = true;
            return;
        }
        if (consumeSkippedChar()) return;
        switch (c) {
        case '\\':
        case '{':
        case '}':
            if (!group().fontTable) emitByte(static_cast<unsigned char>(c));
            return;
        case '~':
            emitText(u"\u00A0");
            return;
        case '_':
            emitText(u"\u2011");
            return;
        case '\r':
        case '\n':
            paragraph();
            return;
        default:
            return; // \- optional hyphen, \: index entries and the like
        }
    }

    void paragraph() {
        if (skipping()) return;
        flush();
        lastParStart_ = out_.size();
        out_.append(u"\r\n");
        lastParEnd_ = out_.size();
    }

    void controlWord(std::string_view name, bool hasParam, int param) {
        const Word word = wordOf(name);
        switch (word) {
        case Word::Bin: {
            // Raw binary data follows: never read it as text or as braces.
            const qsizetype len = hasParam && param > 0 ? qsizetype(param) : 0;
            pos_ = std::min(in_.size(), pos_ + len);
            consumeSkippedChar();
            return;
        }
        case Word::U:
            if (consumeSkippedChar()) return;
            if (!skipping()) {
                char16_t unit = 0xFFFD;
                if (param >= -32768 && param < 0)
                    unit = char16_t(param + 65536);
                else if (param >= 0 && param <= 0xFFFF)
                    unit = char16_t(param);
                flush();
                out_.append(QChar(unit));
            }
            skipChars_ = group().uc;
            return;
        case Word::Uc:
            group().uc = std::clamp(param, 0, 16);
            return;
        case Word::AnsiCpg:
            if (param > 0) codePage_ = param;
            cacheValid_ = false;
            return;
        case Word::Deff:
            defaultFont_ = param;
            if (groups_.size() <= 1) group().font = param;
            return;
        case Word::FontTable:
            group().fontTable = true;
            group().skip = true;
            return;
        default:
            break;
        }
        if (group().fontTable) {
            // Only the character sets matter in the font table; font names are skipped.
            if (word == Word::F) {
                tableFont_ = param;
            } else if (word == Word::FCharset) {
                fontCodePages_.insert(tableFont_, codePageOfCharset(param));
                cacheValid_ = false;
            }
            return;
        }
        if (word == Word::Skip) {
            group().skip = true;
            return;
        }
        if (consumeSkippedChar()) return;
        switch (word) {
        case Word::F:
            group().font = param;
            return;
        case Word::Plain:
            group().font = defaultFont_;
            return;
        case Word::Par:
            paragraph();
            return;
        case Word::Line:
            emitText(u"\r\n");
            return;
        case Word::Tab:
            emitText(u"\t");
            return;
        case Word::EmDash:
            emitText(u"\u2014");
            return;
        case Word::EnDash:
            emitText(u"\u2013");
            return;
        case Word::EmSpace:
            emitText(u"\u2003");
            return;
        case Word::EnSpace:
            emitText(u"\u2002");
            return;
        case Word::QmSpace:
            emitText(u"\u2005");
            return;
        case Word::Bullet:
            emitText(u"\u2022");
            return;
        case Word::LQuote:
            emitText(u"\u2018");
            return;
        case Word::RQuote:
            emitText(u"\u2019");
            return;
        case Word::LDblQuote:
            emitText(u"\u201C");
            return;
        case Word::RDblQuote:
            emitText(u"\u201D");
            return;
        default:
            return;
        }
    }

    const QByteArray& in_;
    qsizetype pos_ = 0;
    std::vector<Group> groups_;
    QString out_;
    QByteArray pending_;
    int pendingCodePage_ = 1252;
    int codePage_ = 1252;
    int defaultFont_ = -1;
    int tableFont_ = -1;
    QHash<int, int> fontCodePages_;
    bool cacheValid_ = false;
    int cachedFont_ = 0;
    int cachedCodePage_ = 0;
    std::map<int, std::unique_ptr<Gbk::Decoder>> decoders_;
    int skipChars_ = 0;
    qsizetype lastParStart_ = -1;
    qsizetype lastParEnd_ = -1;
};

} // namespace

QByteArray TextFileStore::toRtf(const QString& text) {
    QByteArray out;
    out.reserve(text.size() * 4 + 128);
    out.append(kHeader);
    out.append(kParagraphSettings);

    Gbk::Encoder encoder;
    QByteArray bytes;
    const char16_t* units = reinterpret_cast<const char16_t*>(text.utf16());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n;) {
        const char16_t c = units[i];
        if (c == u'\r' && i + 1 < n && units[i + 1] == u'\n') {
            out.append("\\par ");
            i += 2;
            continue;
        }
        if (c == u'\\' || c == u'{' || c == u'}') {
            out.append('\\');
            out.append(char(c));
            ++i;
            continue;
        }
        if (c == u'\t') {
            out.append("\\tab ");
            ++i;
            continue;
        }
        if (c < 0x20 || c == 0x7F) {
            // A lone CR or LF and other control characters: kept as bytes so the
            // text comes back unchanged, and never mistaken for RTF's own line breaks.
            appendHexByte(out, static_cast<unsigned char>(c));
            ++i;
            continue;
        }
        if (c < 0x80) {
            out.append(char(c));
            ++i;
            continue;
        }
        int len = 1;
        if (isHighSurrogate(c) && i + 1 < n && isLowSurrogate(units[i + 1])) len = 2;
        bytes.clear();
        if (encoder.encodeChar(units + i, len, bytes)) {
            for (char b : bytes) {
                const auto byte = static_cast<unsigned char>(b);
                // Every byte of a double-byte character is written as \'hh: a trail
                // byte may be "\", "{" or "}", which must not reach the RTF raw.
                appendHexByte(out, byte);
            }
        } else {
            // GBK cannot hold it: RTF's Unicode escape with a one-byte fallback.
            for (int k = 0; k < len; ++k) {
                out.append("\\u");
                out.append(QByteArray::number(int(static_cast<int16_t>(units[i + k]))));
                out.append('?');
            }
        }
        i += len;
    }
    out.append(kClosing);
    return out;
}

QString TextFileStore::fromRtf(const QByteArray& rtf) {
    RtfReader reader(rtf);
    return reader.read();
}
