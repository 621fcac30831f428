#include "ui/common/file_dialog.h"

#include "core/lang/vocabulary.h"

#include <QCoreApplication>
#include <QFileSystemModel>
#include <QIdentityProxyModel>

namespace velkor {

namespace {

// The file list's kind and date columns, worded here: Qt's catalogue lacks the kinds in some languages,
// and it dates files in the system's form instead of the program's.
class WordedFileModel final : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (role != Qt::DisplayRole || !files ||
            (index.column() != KindColumn && index.column() != DateColumn))
            return QIdentityProxyModel::data(index, role);
        const QModelIndex source = mapToSource(index);
        const QFileInfo info = files->fileInfo(source);
        if (index.column() == DateColumn) {
            const QDateTime modified = info.lastModified();
            return modified.isValid() ? lang::dateText(modified.date()) + u' ' +
                                            modified.time().toString(QStringLiteral("HH:mm"))
                                      : QString();
        }
        if (info.isDir())
            return QCoreApplication::translate("FileDialog", "Folder");
        if (info.suffix().isEmpty())
            return QCoreApplication::translate("FileDialog", "File");
        return QCoreApplication::translate("FileDialog", "%1 file", "a file's kind by its name's ending")
            .arg(info.suffix());
    }

private:
    static constexpr int KindColumn = 2;
    static constexpr int DateColumn = 3;
};

} // namespace

QFileDialog* makeFileDialog(QWidget* parent, const QString& title, const QString& filter,
                            QFileDialog::AcceptMode mode, const QString& startPath) {
    auto* dialog = new QFileDialog(parent, title, startPath, filter);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(mode);
    dialog->setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (mode == QFileDialog::AcceptSave)
        dialog->selectFile(startPath);
    dialog->setProxyModel(new WordedFileModel(dialog));
    return dialog;
}

} // namespace velkor
