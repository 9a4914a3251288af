// The desktop's access keys for menu captions: one letter per caption, unique among its
// siblings, shown underlined; the caption's text stays as it is.
#pragma once

#include <QChar>
#include <QString>
#include <vector>

namespace quirn::qt {

// For each caption in order: the first letter starting a word, else any letter, that no
// earlier sibling took; a null QChar when none is left.
std::vector<QChar> accessKeys(const std::vector<QString>& captions);

// The caption as a Qt menu text: '&' doubled, and one '&' before the first occurrence
// of key (any case).
QString withAccessKey(const QString& caption, QChar key);

} // namespace quirn::qt
