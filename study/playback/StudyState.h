#pragma once

// The study-window state that several parts read: the current study mode
// (1 sentence study, 2 whole text, 3 recall Chinese, 4 recall English,
// 5 compare, 8 dictation) and the audio engine kind fixed at start-up.
struct StudyState {
    int StudyMode = 1;
    int PlayerKind = 2;
};
