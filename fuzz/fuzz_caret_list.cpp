// "^" lists (lesson lists and results) and the two edits made to results.

#include "Book.h"
#include "TextFileStore.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    bool valid = false;
    const QStringList entries = CaretList::parse(text, &valid);
    if (valid) {
        // A valid list is exactly its entries joined, up to trailing white space.
        QString body = text;
        while (!body.isEmpty() && body.back().isSpace())
            body.chop(1);
        if (CaretList::join(entries) != body) std::abort();
    } else if (!entries.isEmpty()) {
        std::abort();
    }

    Book book;
    book.resultsText = text;
    for (const QString& entry : entries) {
        if (entry.isEmpty()) continue;
        const QString title = entry.mid(1);
        book.markPassed(title);
        // Marking never changes the length or anything but marks.
        if (book.resultsText.size() != text.size()) std::abort();
    }
    book.clearResults();
    if (book.resultsText.contains(kPassedMark)) std::abort();
    return 0;
}
