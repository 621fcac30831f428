#include "ui/directory/directory_editor_window.h"

#include "ui/common/caption.h"
#include "ui/common/geometry.h"
#include "ui/common/keyboard.h"
#include "ui/common/typed_text.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>

namespace velkor::directory {

namespace {

QLabel* boldLabel(QWidget* parent, const char* name, const QRect& geometry) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QLineEdit* lineBox(QWidget* parent, const char* name, const QRect& geometry) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(geometry);
    return box;
}

// The limit holds for typing. A longer stored text must come in whole: cut short, it would no longer be
// the entry's name, and saving would rename the entry behind the user's back.
void fill(QLineEdit* box, const QString& text, int limit) {
    box->setMaxLength(std::max(limit, int(text.size())));
    box->setText(text);
}

} // namespace

DirectoryEditorWindow::DirectoryEditorWindow(AppContext& context, const EditorRequest& request,
                                             QWidget* parent)
    : QWidget(parent), m_ctx(context), m_state(*context.state), m_saver(context), m_inHand(request.inHand),
      m_mode(request.mode) {
    setObjectName(QStringLiteral("Form11"));
    setFixedSize(px(4680), px(3990));
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(0, 128, 128));
    setPalette(background);
    setAutoFillBackground(true);
    QFont font = tahoma(8);
    font.setPointSizeF(8.25);
    setFont(font);

    m_nameLabel = boldLabel(this, "Label1", twipsRect(420, 360, 3735, 240));
    m_nameBox = lineBox(this, "Text1", twipsRect(420, 600, 3735, 315));
    m_telLabel = boldLabel(this, "Label2", twipsRect(420, 1080, 3735, 240));
    m_telBox = lineBox(this, "Text2", twipsRect(420, 1320, 3735, 315));
    m_addressLabel = boldLabel(this, "Label3", twipsRect(420, 1800, 3735, 240));
    m_addressBox = new QPlainTextEdit(this);
    m_addressBox->setObjectName(QStringLiteral("Text3"));
    m_addressBox->setGeometry(twipsRect(420, 2040, 3735, 915));
    m_addressBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_saveButton = new QPushButton(this);
    m_saveButton->setObjectName(QStringLiteral("Command1"));
    m_saveButton->setGeometry(twipsRect(1740, 3240, 1215, 495));

    fill(m_nameBox, request.entry.name, NameLimit);
    fill(m_telBox, request.entry.tel, TelLimit);
    m_addressBox->setPlainText(request.entry.address);

    lang::fitLayout(this);
    useKeyboard(this);
    m_state.dirEditorOpen = true;
    connect(m_saveButton, &QPushButton::clicked, this, &DirectoryEditorWindow::onSaveClicked);
}

void DirectoryEditorWindow::retranslate() {
    setWindowTitle(tr("Record"));
    m_nameLabel->setText(tr("Name"));
    m_telLabel->setText(tr("Telephone"));
    m_addressLabel->setText(tr("Address"));
    setCaption(m_saveButton, m_mode == EditorMode::Change ? tr("Update") : tr("Save"));
    // The boxes go by their labels' words, without the spaces that place them.
    m_nameBox->setAccessibleName(tr("Name").trimmed());
    m_telBox->setAccessibleName(tr("Telephone").trimmed());
    m_addressBox->setAccessibleName(tr("Address").trimmed());
}

void DirectoryEditorWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

DirectoryEditorWindow::~DirectoryEditorWindow() {
    m_state.dirEditorOpen = false;
}

void DirectoryEditorWindow::onSaveClicked() {
    const DirRecord boxes{m_nameBox->text(), m_telBox->text(), typedText(*m_addressBox)};
    m_saver.save(m_mode, boxes, m_inHand);
}

void DirectoryEditorWindow::closeEvent(QCloseEvent* event) {
    m_inHand = {};
    m_state.dirEditorOpen = false;
    event->accept();
    emit closed();
}

} // namespace velkor::directory
