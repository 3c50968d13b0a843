#pragma once

#include <QString>
#include <QVector>

// A test lesson whose sentences are sine tones of different pitch, laid end
// to end, so that whatever of a neighbour is heard shows up in a recording.
// Each sentence carries a short silent marker at a known offset from its
// Start: its place in a recording tells how much of the sentence was heard
// before and after it.
struct ToneLesson {
    static constexpr int kRate = 44100;
    static constexpr int kMarkerOffset = 22050; // samples after Start
    static constexpr int kMarkerLength = 441;   // 10 ms of silence
    static constexpr int kAmplitude = 16384;    // tones at half scale

    struct Sentence {
        qint64 start = 0; // sample positions in the lesson
        qint64 end = 0;
        double hz = 0;
        double startSeconds() const { return double(start) / kRate; }
        double endSeconds() const { return double(end) / kRate; }
        double markerCenter() const { return start + kMarkerOffset + kMarkerLength / 2.0; }
    };

    QVector<Sentence> sentences;
    QString wav, mp3, wmv;

    // Builds lesson.wav (sox), lesson.mp3 (lame) and lesson.wmv (ffmpeg, a
    // small video track with the sound) in `folder`. Empty error on success.
    QString build(const QString& folder);
    QString pathFor(const QString& format) const;
};
