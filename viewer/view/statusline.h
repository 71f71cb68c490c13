#ifndef STATUSLINE_H
#define STATUSLINE_H

#include <QObject>
#include <QPalette>
#include <QString>
#include <QStringList>

class QFont;
class QFontMetrics;
class QLabel;
class QTimer;

// Lays out the status line under a cell's picture. A rate report breaks only
// between its fields, never inside one; other messages wrap, take a few
// lines more where they need them and are elided after those. The label takes the lines the reports need
// at its width and keeps them, so the picture above does not change size
// with every rate update.
class StatusLine final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StatusLine)

public:
    explicit StatusLine(QLabel *label, QObject *parent = nullptr);

    // A report waits while a held message is up; the latest one is shown
    // when the hold ends.
    void setReport(const QString &text);
    // Takes the lines a report like this one needs without showing it, so
    // the first real report does not shrink a freshly fitted picture.
    void reserveFor(const QString &report);
    // A message with a hold stays readable that long before reports take
    // the line again; any later message replaces it at once.
    void setMessage(const QString &text, int holdMs = 0);
    void clear();
    // Draws the line in the warning colour (a loss counter grew, a recording
    // losing frames), or back to normal.
    void setHighlighted(bool highlighted);
    bool isHighlighted() const { return m_highlighted; }
    // Starts the line count afresh (after a width or language change).
    void relayout();

    // The text as given, without the line breaks.
    QString text() const { return m_text; }
    int lineBudget() const { return m_lines; }

    // Fields are separated by " | "; as many as fit go on one line, a field
    // wider than width is elided.
    static QStringList reportLines(const QString &text, const QFontMetrics &metrics, int width);
    // Word-wrapped lines (anywhere between CJK characters), at most maxLines,
    // the last one elided when the text does not fit.
    static QStringList messageLines(const QString &text, const QFont &font, int width, int maxLines);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void show();

    QLabel *m_label;
    QTimer *m_hold;
    QString m_pendingReport;
    QString m_text;
    bool m_report = false;
    bool m_highlighted = false;
    QPalette m_normalPalette;
    int m_lines = 1;
    int m_width = -1;
};

#endif // STATUSLINE_H
