#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

// A read-only window that shows one text file of AppFolder, for when the desktop has no program
// to open it, in its edition of the language in force (and again in the new one when it changes). The file is read as UTF-8 (a byte order mark is skipped); a file that is not
// UTF-8 is taken as Shift-JIS, as Windows writes it. A missing file shows a short note instead.
class TextViewer : public QWidget {
    Q_OBJECT
public:
    TextViewer(QWidget* owner, const QString& fileName);

    QPlainTextEdit* text = nullptr;
    QPushButton* Command = nullptr;

    // The file asked for, as given (without folder), whichever edition of it is shown.
    QString fileName() const { return m_fileName; }

    // Shows fileName in a viewer above owner's window: the viewer already open for that file is
    // brought to the front, otherwise a new one opens. Returns the viewer.
    static TextViewer* showFor(QWidget* owner, const QString& fileName);

protected:
    void changeEvent(QEvent* event) override;

private:
    void showEditionInForce();

    QString m_fileName;
};
