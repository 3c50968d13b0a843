#include "PhoneticText.h"

#include "TextFileStore.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

namespace {

bool isStress(QChar c) {
    return c == u'ˈ' || c == u'ˌ';
}

bool isVowel(QChar c) {
    static const QString vowels = QStringLiteral("aeiouyɑɒɔəɛɜɪʊʌæɐᵻɚɝɘɵœøɨʉː");
    return vowels.contains(c);
}

bool isBoundary(QChar c) {
    return c.isSpace() || c == u'-';
}

bool isOnset(const QString& cluster) {
    static const QSet<QString> clusters = {
        QStringLiteral("pl"),  QStringLiteral("bl"),  QStringLiteral("kl"),  QStringLiteral("ɡl"),
        QStringLiteral("fl"),  QStringLiteral("sl"),  QStringLiteral("pɹ"),  QStringLiteral("bɹ"),
        QStringLiteral("tɹ"),  QStringLiteral("dɹ"),  QStringLiteral("kɹ"),  QStringLiteral("ɡɹ"),
        QStringLiteral("fɹ"),  QStringLiteral("θɹ"),  QStringLiteral("ʃɹ"),  QStringLiteral("tw"),
        QStringLiteral("dw"),  QStringLiteral("kw"),  QStringLiteral("sw"),  QStringLiteral("sp"),
        QStringLiteral("st"),  QStringLiteral("sk"),  QStringLiteral("sm"),  QStringLiteral("sn"),
        QStringLiteral("spl"), QStringLiteral("spɹ"), QStringLiteral("stɹ"), QStringLiteral("skɹ"),
        QStringLiteral("skw"), QStringLiteral("tʃ"),  QStringLiteral("dʒ"),  QStringLiteral("pj"),
        QStringLiteral("bj"),  QStringLiteral("kj"),  QStringLiteral("mj"),  QStringLiteral("fj"),
        QStringLiteral("vj"),  QStringLiteral("hj"),  QStringLiteral("nj"),  QStringLiteral("lj"),
        QStringLiteral("tj"),  QStringLiteral("dj"),  QStringLiteral("sj"),  QStringLiteral("ɡj"),
    };
    if (cluster.size() == 1) return cluster != u"ŋ";
    return clusters.contains(cluster);
}

} // namespace

QString withoutMonosyllableStress(const QString& ipa) {
    QStringList words = ipa.split(u' ');
    for (QString& w : words) {
        int nuclei = 0;
        for (qsizetype i = 0; i < w.size(); ++i)
            if (isVowel(w[i]) && w[i] != u'ː' && (i == 0 || !isVowel(w[i - 1]))) ++nuclei;
        if (nuclei <= 1) w.remove(QRegularExpression(QStringLiteral("[ˈˌ]")));
    }
    return words.join(u' ');
}

QString stressAtSyllableStart(const QString& ipa) {
    QString out = ipa;
    for (qsizetype i = 0; i < out.size(); ++i) {
        if (!isStress(out[i])) continue;
        qsizetype j = i;
        while (j > 0 && !isVowel(out[j - 1]) && !isBoundary(out[j - 1]) && !isStress(out[j - 1]))
            --j;
        qsizetype target = j; // word start: the whole cluster is the onset
        if (j > 0 && isVowel(out[j - 1])) {
            // Between two vowels the next syllable takes the longest legal onset.
            target = i;
            for (qsizetype k = j; k < i; ++k)
                if (isOnset(out.mid(k, i - k))) {
                    target = k;
                    break;
                }
        }
        if (target == i) continue;
        const QChar mark = out[i];
        out.remove(i, 1);
        out.insert(target, mark);
    }
    return out;
}

QString storablePhonetics(const QString& ipa) {
    static const QHash<QChar, QString> map = {
        {u'ˈ', QStringLiteral("'")},
        {u'ˌ', QStringLiteral(",")},
        {u'ː', QStringLiteral(":")},
        {u'ə', QStringLiteral("э")},
        {u'ɐ', QStringLiteral("э")},
        {u'ɚ', QStringLiteral("эr")},
        {u'ɜ', QStringLiteral("з")},
        {u'ɝ', QStringLiteral("зr")},
        {u'ɪ', QStringLiteral("Ι")},
        {u'ᵻ', QStringLiteral("Ι")},
        {u'ʊ', QStringLiteral("υ")},
        {u'ʌ', QStringLiteral("∧")},
        {u'æ', QStringLiteral("ae")},
        {u'ɒ', QStringLiteral("ο")},
        {u'ɔ', QStringLiteral("ο")},
        {u'ɛ', QStringLiteral("ε")},
        {u'ʃ', QStringLiteral("∫")},
        {u'ʒ', QStringLiteral("з")},
        {u'ŋ', QStringLiteral("η")},
        {u'ð', QStringLiteral("δ")},
        {u'ɹ', QStringLiteral("r")},
        {u'ɾ', QStringLiteral("t")},
        {u'ɡ', QStringLiteral("g")},
        {u'ɬ', QStringLiteral("l")},
        {u'ɫ', QStringLiteral("l")},
        {u'ʔ', QString()},
        {u'ʲ', QString()},
        {u'ʰ', QString()},
        {QChar(0x0329), QString()},
        {QChar(0x032F), QString()},
    };
    const QString moved = stressAtSyllableStart(withoutMonosyllableStress(ipa));
    QString out;
    for (qsizetype i = 0; i < moved.size(); ++i) {
        const QChar c = moved[i];
        // "ɚɹ" (en-us "around") is one r sound, not two.
        qsizetype next = i + 1;
        while (next < moved.size() && isStress(moved[next]))
            ++next;
        if (c == u'ɚ' && next < moved.size() && moved[next] == u'ɹ') {
            out += QStringLiteral("э");
        } else if (const auto it = map.constFind(c); it != map.constEnd()) {
            out += *it;
        } else if (Gbk::canEncode(c)) {
            out += c;
        } else {
            // Last resort for a symbol not listed: its base letter, if any.
            const QString base = QString(c).normalized(QString::NormalizationForm_KD);
            if (!base.isEmpty() && base[0].unicode() < 0x80) out += base[0];
        }
    }
    return out;
}
