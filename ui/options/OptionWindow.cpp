#include "ui/options/OptionWindow.h"

#include "ui/widgets/EscapeCloses.h"
#include "ui/widgets/Pictures.h"
#include "ui/widgets/ScreenCentre.h"
#include "ui/widgets/TableColours.h"
#include "ui/widgets/Twips.h"
#include "ui/widgets/Zoom.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

OptionWindow::OptionWindow(QWidget* table, const QString& name, TextInForce title)
    : QWidget(table, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose);
    liveWindowTitle(this, std::move(title));

    m_content = new QVBoxLayout(this);
    m_content->setContentsMargins(twips(240), twips(210), twips(240), twips(210));
    m_content->setSpacing(twips(150));
    m_content->setSizeConstraint(QLayout::SetFixedSize);
    new EscapeCloses(this);
}

QFrame* OptionWindow::picturePanel(QLabel*& image, const QString& imageName)
{
    auto* panel = new QFrame(this);
    panel->setObjectName(imageName + QStringLiteral("Panel"));
    panel->setStyleSheet(QStringLiteral("QFrame#%1 { background: %2; border: 1px solid #bea06e;"
                                        " border-radius: 6px; }")
                             .arg(panel->objectName(), tableColours::FrameFill.name()));
    panel->setMinimumSize(twips(1800), twips(900));

    image = new QLabel(panel);
    image->setObjectName(imageName);
    image->setAlignment(Qt::AlignCenter);
    image->setScaledContents(true);

    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(twips(120), twips(90), twips(120), twips(90));
    layout->addWidget(image, 0, Qt::AlignCenter);
    return panel;
}

void OptionWindow::showIndicator(QLabel* image, const QString& fileName)
{
    showPicture(image, fileName);
    const QSize natural = image->pixmap().size();
    if (natural.isEmpty()) {
        image->setFixedSize(0, 0);
        return;
    }
    const QSize largest(twips(3600), twips(1800));
    QSize shown = natural * (2 * zoom::percent() / 100.0);
    if (shown.width() > largest.width() || shown.height() > largest.height())
        shown = natural.scaled(largest, Qt::KeepAspectRatio);
    image->setFixedSize(shown);
}

QPushButton* OptionWindow::addCloseButton()
{
    auto* button = new QPushButton(this);
    liveText(this, button, [] { return tr("閉じる"); });
    button->setObjectName(QStringLiteral("Command"));
    button->setMinimumWidth(twips(1200));
    connect(button, &QPushButton::clicked, this, &QWidget::close);

    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(button);
    m_content->addLayout(row);
    return button;
}

void OptionWindow::centreOnScreen()
{
    m_content->activate();
    ::centreOnScreen(this, parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen());
}
