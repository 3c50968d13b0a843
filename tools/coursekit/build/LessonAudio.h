#pragma once

#include "Speech.h"

#include <QList>
#include <QString>

struct SentenceTimes {
    long long startMs = 0;
    long long endMs = 0;
};

struct LessonAudio {
    Samples samples;
    QList<SentenceTimes> times; // one per utterance, in order
};

// The shortest run of samples that lasts a whole number of milliseconds
// (441 samples, 20 ms, at 22050 Hz).
int millisecondGrid(int sampleRate);

// Lays the utterances out one after another: `leadMs` of silence, then each
// utterance's speech (espeak-ng's own leading and trailing silence cut off)
// followed by `gapMs` of silence, ending with `tailMs` of silence. Every
// sentence starts and ends on the millisecond grid, so its times are exact:
// [start, end] holds its speech and nothing else but the end of its decay,
// and the gaps are digital silence. An utterance without speech gets an empty
// span; callers refuse such sentences before they get here.
LessonAudio layOutLesson(const std::vector<Samples>& utterances, int sampleRate, int gapMs,
                         int leadMs = 500, int tailMs = 500);

// Seconds as the lesson records write them: "12.34", "3", "0.02".
QString secondsText(long long ms);
