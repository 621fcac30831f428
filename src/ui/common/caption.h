#pragma once

#include <QAbstractButton>

namespace velkor {

// A button's caption, and the same words for a screen reader to say, without the mnemonic's mark.
inline void setCaption(QAbstractButton* button, const QString& caption) {
    button->setText(caption);
    button->setAccessibleName(QString(caption).remove(u'&').trimmed());
}

} // namespace velkor
