#include "gui/AccessKeys.h"

#include <algorithm>

namespace quirn::qt {
namespace {

QChar pick(const QString& caption, const std::vector<QChar>& taken) {
    const auto free = [&taken](QChar c) {
        return c.isLetterOrNumber() &&
               std::find(taken.begin(), taken.end(), c.toLower()) == taken.end();
    };
    for (qsizetype i = 0; i < caption.size(); ++i)
        if ((i == 0 || caption[i - 1].isSpace()) && free(caption[i])) return caption[i].toLower();
    for (QChar c : caption)
        if (free(c)) return c.toLower();
    return {};
}

} // namespace

std::vector<QChar> accessKeys(const std::vector<QString>& captions) {
    std::vector<QChar> keys;
    for (const QString& caption : captions) keys.push_back(pick(caption, keys));
    return keys;
}

QString withAccessKey(const QString& caption, QChar key) {
    QString text = caption;
    text.replace(QLatin1Char('&'), QStringLiteral("&&"));
    if (key.isNull()) return text;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&')) {
            ++i; // a doubled '&'
            continue;
        }
        if (text[i].toLower() == key) return text.insert(i, QLatin1Char('&'));
    }
    return text;
}

} // namespace quirn::qt
