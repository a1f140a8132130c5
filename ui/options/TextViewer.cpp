#include "ui/options/TextViewer.h"

#include "settings/AppFolder.h"
#include "ui/options/HelpEdition.h"
#include "ui/widgets/EscapeCloses.h"
#include "ui/widgets/LiveTexts.h"
#include "ui/widgets/ScreenCentre.h"
#include "ui/widgets/Twips.h"

#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringDecoder>
#include <QVBoxLayout>

namespace {

// Larger files are shown up to here; a help text is a few kilobytes.
constexpr qint64 readLimit = 4 * 1024 * 1024;

QString decoded(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringConverter::Utf8);
    const QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder shiftJis("windows-31j");
    if (!shiftJis.isValid())
        return text;
    const QString sjisText = shiftJis(bytes);
    return shiftJis.hasError() ? text : sjisText;
}

QString readText(const QString& fileName)
{
    // Only a regular file is opened: opening a FIFO waits for a writer, a device may never end.
    QFile file(AppFolder() + fileName);
    if (fileName.isEmpty() || !QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly))
        return TextViewer::tr("「%1」が見つかりません。\nゲームのフォルダーにこのファイルがあるか確かめて下さい。")
            .arg(fileName);
    QString text = decoded(file.read(readLimit));
    if (!file.atEnd())
        text += TextViewer::tr("\n\n（ここから先は長すぎるため省略しました）");
    return text;
}

// The help's tables are laid out in character cells, a full-width character taking two: they line
// up only in a fixed-pitch font whose Japanese characters are exactly two cells wide.
QFont viewerFont(const QFont& base)
{
    QFont font(QStringLiteral("Noto Sans Mono CJK JP"));
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPointSizeF(base.pointSizeF() * 1.1);
    return font;
}

}  // namespace

TextViewer::TextViewer(QWidget* owner, const QString& fileName) : QWidget(owner, Qt::Window), m_fileName(fileName)
{
    setObjectName(QStringLiteral("TextViewer"));
    setAttribute(Qt::WA_DeleteOnClose);
    new EscapeCloses(this);

    text = new QPlainTextEdit(this);
    text->setObjectName(QStringLiteral("text"));
    text->setReadOnly(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text->setFont(viewerFont(text->font()));
    showEditionInForce();

    Command = new QPushButton(this);
    liveText(this, Command, [] { return tr("閉じる"); });
    Command->setObjectName(QStringLiteral("Command"));
    Command->setMinimumWidth(twips(1200));
    connect(Command, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(twips(150), twips(150), twips(150), twips(150));
    layout->addWidget(text);
    layout->addLayout(buttons);

    resize(twips(9900), twips(9000));
    if (owner)
        centreOver(this, owner);
}

void TextViewer::showEditionInForce()
{
    const QString edition = helpEditionInForce(m_fileName);
    setWindowTitle(edition);
    text->setPlainText(readText(edition));
}

void TextViewer::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        showEditionInForce();
}

TextViewer* TextViewer::showFor(QWidget* owner, const QString& fileName)
{
    TextViewer* viewer = nullptr;
    for (TextViewer* open : owner->findChildren<TextViewer*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (open->fileName() == fileName && open->isVisible())
            viewer = open;
    }
    if (!viewer)
        viewer = new TextViewer(owner, fileName);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return viewer;
}
