#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Every data file of the programs is read and written through this store.
// Files on disk are GBK (code page 936) with CR LF line breaks; Save always
// writes an RTF document, Load accepts RTF or plain GBK text.
class TextFileStore {
public:
    // The whole plain text of the file, exactly as it was saved (no line
    // break added). nullopt when the file cannot be read.
    static std::optional<QString> Load(const QString& path);

    // Replaces the file atomically with the RTF form of `text`. A failed or
    // interrupted save leaves the old file untouched. Returns false on failure.
    static bool Save(const QString& path, const QString& text);

    // The bytes Save would write for `text`.
    static QByteArray toRtf(const QString& text);
    // The plain text of an RTF document (the bytes must start with "{\rtf").
    static QString fromRtf(const QByteArray& rtf);
    static bool looksLikeRtf(const QByteArray& bytes);
};

// GBK through iconv "CP936". Invalid sequences decode to U+FFFD.
namespace Gbk {
QString decode(const QByteArray& bytes);
// Characters GBK cannot hold are reported through `unencodable` (may be null)
// and replaced by '?'.
QByteArray encode(const QString& text, bool* unencodable = nullptr);
bool canEncode(QChar c);
bool canEncode(const QString& text);
} // namespace Gbk

// Writes bytes to a file atomically: temp file in the same folder, then rename.
bool writeFileAtomically(const QString& path, const QByteArray& bytes);

// Lets tests interrupt a save after the new bytes are written but before they
// replace the old file (the hook may terminate the process).
namespace TextFileStoreTesting {
using Hook = void (*)(const QString& path);
void setBeforeRenameHook(Hook hook); // nullptr removes it
} // namespace TextFileStoreTesting
