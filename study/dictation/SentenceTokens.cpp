#include "SentenceTokens.h"

#include "DictationCheck.h"

QStringList tokenizeSentence(QStringView sentence) {
    QStringList tokens;
    qsizetype start = 0;
    do {
        qsizetype pos = start;
        if (pos < sentence.size()) {
            const bool letters = isAsciiLetter(sentence[pos]);
            ++pos;
            while (pos < sentence.size() && isAsciiLetter(sentence[pos]) == letters)
                ++pos;
        }
        tokens << sentence.mid(start, pos - start).toString();
        start = pos;
    } while (start < sentence.size());
    return tokens;
}

QList<StripToken> classifyTokens(const QStringList& tokens) {
    QList<StripToken> result;
    result.reserve(tokens.size());
    for (const QString& t : tokens) {
        StripToken token;
        token.caption = t;
        token.clickable = !t.isEmpty() && isAsciiLetter(t[0]);
        token.underlineVisible = token.clickable;
        result << token;
    }
    return result;
}

QList<int> mergePhrases(QList<StripToken>& tokens, QStringView phraseList) {
    QList<int> merged;
    for (qsizetype k = 0; k + 2 < tokens.size(); ++k) {
        const QString inner = tokens[k].caption + tokens[k + 1].caption + tokens[k + 2].caption;
        // A "$" inside the captions would let the key straddle two phrases.
        if (inner.contains(QLatin1Char('$'))) continue;
        const QString key = QLatin1Char('$') + inner + QLatin1Char('$');
        if (phraseList.indexOf(key, 0, Qt::CaseInsensitive) < 0) continue;
        tokens[k].caption = inner;
        for (qsizetype i = k + 1; i <= k + 2; ++i) {
            tokens[i].hidden = true;
            tokens[i].collapsed = true;
            tokens[i].clickable = false;
        }
        tokens[k + 2].underlineVisible = false;
        merged << int(k);
    }
    return merged;
}

QList<TwipsBox> layOutTokens(const QStringList& tokens, const QList<QSize>& sizesTwips,
                             const TwipsBox& templateBox, int panelWidthTwips) {
    QList<TwipsBox> boxes;
    boxes.reserve(tokens.size());
    for (qsizetype n = 0; n < tokens.size(); ++n) {
        const TwipsBox& prev = n == 0 ? templateBox : boxes[n - 1];
        TwipsBox box;
        box.width = sizesTwips.value(n).width();
        box.height = sizesTwips.value(n).height();
        box.top = prev.top;
        box.left = prev.left + prev.width;
        const QString& t = tokens[n];
        const bool endsWithLetter = !t.isEmpty() && isAsciiLetter(t.back());
        if (box.right() > panelWidthTwips - kWrapMarginTwips && endsWithLetter) {
            box.top = prev.top + prev.height + kLineGapTwips;
            box.left = n == 0 ? box.left : boxes[0].left;
        }
        boxes << box;
    }
    return boxes;
}

int tipPanelTop(const QList<TwipsBox>& boxes, const TwipsBox& templateBox) {
    const TwipsBox& last = boxes.isEmpty() ? templateBox : boxes.back();
    return last.bottom() + kTipGapTwips;
}
