#pragma once

#include <QFileDialog>

namespace velkor {

// Qt's own file dialog rather than the desktop's, so that it speaks the program's language: its folder
// and file kinds in the program's words, its dates in the program's one form. `startPath` is the folder,
// or the file a save suggests.
QFileDialog* makeFileDialog(QWidget* parent, const QString& title, const QString& filter,
                            QFileDialog::AcceptMode mode, const QString& startPath);

} // namespace velkor
