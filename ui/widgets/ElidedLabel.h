#pragma once

#include <QLabel>

// A one-line label that shows as much of its text as fits and ends a cut text in "…"; a cut text
// is shown whole in the tool tip. text() is always the whole text.
class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidedLabel(QWidget* parent);

    // What the label shows at its present width and font.
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
};
