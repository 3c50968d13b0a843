#include "TextFileStore.h"

#include "GbkCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

TextFileStoreTesting::Hook beforeRenameHook = nullptr;

const QByteArray kUtf8Bom("\xEF\xBB\xBF");

} // namespace

namespace TextFileStoreTesting {
void setBeforeRenameHook(Hook hook) {
    beforeRenameHook = hook;
}
} // namespace TextFileStoreTesting

bool TextFileStore::looksLikeRtf(const QByteArray& bytes) {
    return bytes.startsWith("{\\rtf");
}

std::optional<QString> TextFileStore::Load(const QString& path) {
    if (path.isEmpty() || QFileInfo(path).isDir()) return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    if (looksLikeRtf(bytes)) return fromRtf(bytes);
    // A text editor may have saved the file as UTF-8 with a byte order mark;
    // that mark cannot start a GBK text, so it is safe to honour.
    if (bytes.startsWith(kUtf8Bom)) {
        const QByteArray rest = bytes.mid(kUtf8Bom.size());
        if (looksLikeRtf(rest)) return fromRtf(rest);
        return QString::fromUtf8(rest);
    }
    return Gbk::decode(bytes);
}

bool TextFileStore::Save(const QString& path, const QString& text) {
    if (path.isEmpty()) return false;
    return writeFileAtomically(path, toRtf(text));
}

bool writeFileAtomically(const QString& path, const QByteArray& bytes) {
    if (path.isEmpty()) return false;
    const QFileInfo info(path);
    if (info.isDir()) return false;
    if (!QDir().mkpath(info.absolutePath())) return false;

    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    if (beforeRenameHook) beforeRenameHook(file.fileName());
    return file.commit();
}
