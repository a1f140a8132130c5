#pragma once

#include "ui/widgets/LiveTexts.h"

#include <QWidget>

class QFrame;
class QLabel;
class QPushButton;
class QVBoxLayout;

// The frame shared by the small windows opened from the table's pictures: a window of its own
// above the table (modeless), as large as its contents, closed by its button "閉じる" or by Esc,
// and deleted once closed.
class OptionWindow : public QWidget {
    Q_OBJECT
protected:
    OptionWindow(QWidget* table, const QString& name, TextInForce title);

    // Where the window's own controls go, top to bottom.
    QVBoxLayout* content() const { return m_content; }
    // A framed panel with a picture label named imageName centred in it.
    QFrame* picturePanel(QLabel*& image, const QString& imageName);
    // Shows AppFolder() + fileName in a label of picturePanel, enlarged (up to twice) so that the
    // small indicator reads well in its own window; the label keeps the file's own pixmap.
    static void showIndicator(QLabel* image, const QString& fileName);
    // Adds the button "閉じる" (objectName Command) under the content and returns it.
    QPushButton* addCloseButton();
    // Centres the window on the screen that shows the table.
    void centreOnScreen();

private:
    QVBoxLayout* m_content = nullptr;
};
