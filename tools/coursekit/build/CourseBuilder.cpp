#include "CourseBuilder.h"

#include "AudioCoding.h"
#include "Book.h"
#include "InterfaceArt.h"
#include "LessonAudio.h"
#include "PhoneticText.h"
#include "Speech.h"
#include "TextFileStore.h"
#include "WordLists.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {
const QString kLineBreak = QStringLiteral("\r\n");

// A rebuild must not take away what the learner has passed: lessons whose
// title is still in the book keep their mark.
QSet<QString> passedLessons(const ProgramFolder& folder, const QString& book) {
    QSet<QString> passed;
    const std::optional<QString> text = TextFileStore::Load(folder.resultsPath(book));
    if (!text) return passed;
    for (const QString& entry : CaretList::parse(*text))
        if (entry.startsWith(kPassedMark)) passed.insert(entry.mid(1));
    return passed;
}

bool useVoice(const SpeechSettings& speech, QList<SourceError>* errors) {
    if (Speech::instance().use(speech.voice, speech.rate)) return true;
    errors->append(
        {speech.voiceLine, QStringLiteral("espeak-ng has no voice \"%1\"").arg(speech.voice)});
    return false;
}

// A word recording: the spoken word with a short silence on either side.
Samples wordRecording(const Samples& raw, int sampleRate) {
    const SpeechSpan span = findSpeech(raw, sampleRate);
    const size_t pad = size_t(sampleRate) * 60 / 1000;
    Samples out(pad, 0);
    out.insert(out.end(), raw.begin() + std::ptrdiff_t(span.begin),
               raw.begin() + std::ptrdiff_t(span.end));
    out.resize(out.size() + pad, 0);
    return out;
}
} // namespace

void CourseBuilder::addText(const QString& path, const QString& text) {
    files_.append({path, TextFileStore::toRtf(text), text, true});
}

void CourseBuilder::addBinary(const QString& path, const QByteArray& bytes) {
    files_.append({path, bytes, QString(), false});
}

bool CourseBuilder::prepare(const CourseSource& course, QList<SourceError>* errors,
                            QList<SourceError>* warnings) {
    files_.clear();
    stats_ = {};
    if (!Speech::instance().isAvailable()) {
        errors->append({0, QStringLiteral("espeak-ng could not be started")});
        return false;
    }
    const bool ok = prepareLessons(course, errors) && prepareDictionary(course, errors, warnings) &&
                    prepareInterface(errors);
    prepareStarterSettings(course);
    for (const File& f : files_)
        stats_.bytes += f.bytes.size();
    return ok && errors->isEmpty();
}

bool CourseBuilder::prepareLessons(const CourseSource& course, QList<SourceError>* errors) {
    Speech& speech = Speech::instance();
    for (const SourceBook& book : course.books) {
        QStringList titles;
        QStringList results;
        const QSet<QString> passed = passedLessons(folder_, book.name);
        for (int n = 1; n <= book.lessons.size(); ++n) {
            const SourceLesson& lesson = book.lessons[n - 1];
            if (!useVoice(lesson.speech, errors)) return false;
            std::vector<Samples> utterances;
            for (const SourceSentence& s : lesson.sentences) {
                utterances.push_back(speech.speak(s.english));
                if (findSpeech(utterances.back(), speech.sampleRate()).empty())
                    errors->append(
                        {s.line, QStringLiteral("espeak-ng gave no speech for this sentence")});
            }
            if (!errors->isEmpty()) continue;
            const LessonAudio audio =
                layOutLesson(utterances, speech.sampleRate(), lesson.speech.gapMs);
            const QByteArray mp3 = encodeMp3(audio.samples, speech.sampleRate());
            if (mp3.isEmpty()) {
                errors->append({lesson.line, QStringLiteral("the MP3 encoder failed")});
                return false;
            }
            QString text = QStringLiteral("*");
            for (int i = 0; i < lesson.sentences.size(); ++i) {
                const SourceSentence& s = lesson.sentences[i];
                text += s.english + u'#' + s.chinese + u'#' + secondsText(audio.times[i].startMs) +
                        u'#' + secondsText(audio.times[i].endMs) + u'#' + s.note + u'#';
                // A line break after the fifth "#" is ignored by readers and keeps
                // the file readable.
                text += i + 1 < lesson.sentences.size() ? kLineBreak + u'*' : QStringLiteral("*");
            }
            addBinary(folder_.lessonAudioPath(book.name, n), mp3);
            addText(folder_.lessonTextPath(book.name, n), text);
            titles.append(lesson.title);
            results.append((passed.contains(lesson.title) ? kPassedMark : kNotPassedMark) +
                           lesson.title);
            stats_.lessons += 1;
            stats_.sentences += int(lesson.sentences.size());
            stats_.audioSeconds += double(audio.samples.size()) / speech.sampleRate();
        }
        addText(folder_.bookListPath(book.name), CaretList::join(titles));
        addText(folder_.resultsPath(book.name), CaretList::join(results));
        stats_.books += 1;
    }
    return errors->isEmpty();
}

bool CourseBuilder::prepareDictionary(const CourseSource& course, QList<SourceError>* errors,
                                      QList<SourceError>* warnings) {
    Speech& speech = Speech::instance();
    if (!useVoice(course.wordSpeech, errors)) return false;
    QMap<QString, QString> phonetics;
    for (const SourceEntry& e : course.entries) {
        phonetics.insert(e.headword, storablePhonetics(speech.ipa(e.headword)));
        const Samples raw = speech.speak(e.headword);
        if (findSpeech(raw, speech.sampleRate()).empty()) {
            errors->append({e.line, QStringLiteral("espeak-ng gave no speech for this headword")});
            continue;
        }
        addBinary(folder_.wordAudioPath(e.headword),
                  encodeWav(wordRecording(raw, speech.sampleRate()), speech.sampleRate()));
        stats_.words += 1;
    }
    const QString dictionary = dictionaryText(course.entries, phonetics);
    const QString phrases = phraseListText(course.entries);
    addText(folder_.dictionaryPath(), dictionary);
    addText(folder_.phraseListPath(), phrases);

    // A teacher wants to know which clicks would find nothing.
    QSet<QString> reported;
    for (const SourceBook& book : course.books)
        for (const SourceLesson& lesson : book.lessons)
            for (const SourceSentence& s : lesson.sentences)
                for (const QString& word : clickableWords(s.english, phrases)) {
                    if (reported.contains(word) || !lookUpWord(dictionary, word).isEmpty())
                        continue;
                    reported.insert(word);
                    warnings->append(
                        {s.line, QStringLiteral("\"%1\" is not in the dictionary").arg(word)});
                }
    return errors->isEmpty();
}

bool CourseBuilder::prepareInterface(QList<SourceError>* errors) {
    const QList<ArtFile> pictures = drawPictures();
    if (pictures.isEmpty()) {
        errors->append({0, QStringLiteral("the pictures could not be drawn (no JPEG writer)")});
        return false;
    }
    for (const ArtFile& f : pictures)
        addBinary(folder_.bitmapPath(f.name), f.bytes);
    for (const ArtFile& f : synthesiseInterfaceSounds())
        addBinary(folder_.interfaceSoundPath(f.name), f.bytes);
    return true;
}

void CourseBuilder::prepareStarterSettings(const CourseSource& course) {
    // Without a settings file the study window opens a book this course may
    // not have; a first start should land in lesson 1 of a book that speaks.
    // The learner's own settings are never replaced.
    if (QFileInfo::exists(folder_.settingsPath())) return;
    for (const QString& study : studyBooks())
        for (const SourceBook& book : course.books)
            if (book.name == study) {
                addText(folder_.settingsPath(), starterSettingsText(study));
                return;
            }
}

QString starterSettingsText(const QString& book) {
    // Lesson 1, English and Chinese shown, read once with a one-second pause
    // in sentence study, once without pause in the whole text, Chinese in the
    // whole text, none in dictation, pass mark 60.
    return QStringLiteral("0\\1\\1\\1\\1\\1\\0\\1\\0\\%1\\60\\").arg(book);
}

bool CourseBuilder::write(QString* error) {
    for (const File& f : files_) {
        QFile existing(f.path);
        if (existing.open(QIODevice::ReadOnly) && existing.readAll() == f.bytes) {
            stats_.unchanged += 1;
            continue;
        }
        existing.close();
        if (!QDir().mkpath(QFileInfo(f.path).absolutePath()) ||
            !(f.isStoreText ? TextFileStore::Save(f.path, f.storeText)
                            : writeFileAtomically(f.path, f.bytes))) {
            *error = QStringLiteral("cannot write %1").arg(f.path);
            return false;
        }
        stats_.written += 1;
    }
    return true;
}
