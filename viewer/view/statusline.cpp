#include "view/statusline.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QPalette>
#include <QTextLayout>
#include <QTimer>

#include <utility>

namespace {

const QString FieldSeparator = QStringLiteral(" | ");
// A message may take this many lines, more than a report did, so that a
// notice such as the pause stays whole in a narrow cell.
constexpr int MessageMaxLines = 3;

} // namespace

StatusLine::StatusLine(QLabel *label, QObject *parent)
    : QObject(parent), m_label(label), m_hold(new QTimer(this))
{
    m_hold->setSingleShot(true);
    connect(m_hold, &QTimer::timeout, this, [this] {
        if (!m_pendingReport.isEmpty())
            setReport(std::exchange(m_pendingReport, QString()));
    });
    // Lines are broken here; the label must neither wrap them again nor ask
    // for the width of its longest line.
    m_label->setWordWrap(false);
    QSizePolicy policy = m_label->sizePolicy();
    policy.setHorizontalPolicy(QSizePolicy::Ignored);
    m_label->setSizePolicy(policy);
    m_label->installEventFilter(this);
    relayout();
}

QStringList StatusLine::reportLines(const QString &text, const QFontMetrics &metrics, int width)
{
    QStringList lines;
    QString line;
    for (const QString &field : text.split(FieldSeparator)) {
        if (line.isEmpty()) {
            line = field;
            continue;
        }
        const QString longer = line + FieldSeparator + field;
        // A little room to spare: eliding measures the text its own way and
        // must never cut a line that was packed to fit.
        if (metrics.horizontalAdvance(longer) <= width - 2) {
            line = longer;
        } else {
            lines << line;
            line = field;
        }
    }
    lines << line;
    for (QString &l : lines)
        l = metrics.elidedText(l, Qt::ElideRight, width);
    return lines;
}

QStringList StatusLine::messageLines(const QString &text, const QFont &font, int width, int maxLines)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (lines.size() == maxLines - 1) {
            lines << QFontMetrics(font).elidedText(text.mid(line.textStart()), Qt::ElideRight, width);
            break;
        }
        lines << text.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return lines;
}

void StatusLine::setReport(const QString &text)
{
    if (m_hold->isActive()) {
        m_pendingReport = text;
        return;
    }
    m_text = text;
    m_report = true;
    show();
}

void StatusLine::reserveFor(const QString &report)
{
    const int width = qMax(1, m_label->contentsRect().width());
    m_lines = qMax(m_lines, int(reportLines(report, QFontMetrics(m_label->font()), width).size()));
    show();
}

void StatusLine::setMessage(const QString &text, int holdMs)
{
    m_pendingReport.clear();
    if (holdMs > 0)
        m_hold->start(holdMs);
    else
        m_hold->stop();
    m_text = text;
    m_report = false;
    show();
}

void StatusLine::clear()
{
    setHighlighted(false);
    setMessage(QString());
}

void StatusLine::setHighlighted(bool highlighted)
{
    if (highlighted == m_highlighted)
        return;
    m_highlighted = highlighted;
    if (highlighted) {
        m_normalPalette = m_label->palette();
        QPalette palette = m_normalPalette;
        palette.setColor(QPalette::WindowText, QColor(0xd0, 0x20, 0x10));
        m_label->setPalette(palette);
    } else {
        m_label->setPalette(m_normalPalette);
    }
}

void StatusLine::relayout()
{
    m_width = m_label->contentsRect().width();
    m_lines = 1;
    show();
}

void StatusLine::show()
{
    const QFontMetrics metrics(m_label->font());
    const int width = qMax(1, m_label->contentsRect().width());
    QStringList lines;
    if (m_report) {
        lines = reportLines(m_text, metrics, width);
        // Grows to what a report needs and keeps that while the width stays:
        // a rate that gains a digit must not make the picture jump back and
        // forth every second.
        m_lines = qMax(m_lines, int(lines.size()));
    } else if (!m_text.isEmpty()) {
        m_lines = qMax(m_lines, int(messageLines(m_text, m_label->font(), width, MessageMaxLines).size()));
        lines = messageLines(m_text, m_label->font(), width, m_lines);
    }
    // Measured on sample lines rather than from the font's line spacing:
    // Chinese glyphs come from a fallback font with taller lines.
    QStringList sampleLines;
    for (int i = 0; i < m_lines; ++i)
        sampleLines << QStringLiteral("分辨率: Agy|");
    const QString sample = sampleLines.join(QLatin1Char('\n'));
    const int textHeight =
        metrics.boundingRect(QRect(0, 0, 100000, 100000), Qt::AlignLeft | Qt::AlignTop, sample).height();
    const int frame = qMax(0, m_label->height() - m_label->contentsRect().height());
    const int height = textHeight + frame + 2;
    if (m_label->minimumHeight() != height || m_label->maximumHeight() != height)
        m_label->setFixedHeight(height);
    m_label->setText(lines.join(QLatin1Char('\n')));
}

bool StatusLine::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_label) {
        const QEvent::Type type = event->type();
        if ((type == QEvent::Resize && m_label->contentsRect().width() != m_width) ||
            type == QEvent::FontChange)
            relayout();
    }
    return QObject::eventFilter(watched, event);
}
