// The settings reader and the lenient number reader behind it.

#include "Numbers.h"
#include "StudySettings.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<StudySettings> settings = StudySettings::parse(text);
    if (settings) {
        // Writing what was read and reading it again gives the same fields.
        const std::optional<StudySettings> again = StudySettings::parse(settings->toText());
        if (!again || again->fields != settings->fields) std::abort();
        if (!text.startsWith(settings->toText())) std::abort();
        (void)settings->lessonIndex();
        (void)settings->showEnglish();
        (void)settings->showDictationChinese();
        for (double v : {settings->readTimesStudy(), settings->pauseSecsStudy(),
                         settings->readTimesBrowse(), settings->pauseSecsBrowse()})
            if (!std::isfinite(v)) std::abort();
    } else if (text.count(u'\\') >= StudySettings::kFieldCount) {
        std::abort();
    }

    // Numbers are written back as plain decimals that read the same.
    const double value = leadingNumber(text);
    if (!std::isfinite(value)) std::abort();
    if (leadingNumber(plainDecimal(value)) != value) std::abort();
    (void)leadingInt(text);
    return 0;
}
