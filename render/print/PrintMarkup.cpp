#include "print/PrintMarkup.h"

namespace PrintMarkup {

namespace {

class Parser final {
public:
    Parser(const QString& markup, const PrintFont& font) : m_text(markup), m_font(font) {}

    QList<Line> run() {
        while (m_pos < m_text.size()) {
            if (m_text[m_pos] == QLatin1Char('/') && code()) {
                continue;
            }
            m_pending += m_text[m_pos++];
        }
        if (!m_current.runs.isEmpty() || !m_pending.isEmpty()) {
            endLine();
        }
        return m_lines;
    }

private:
    bool startsWith(const char* code) const {
        return QStringView(m_text).mid(m_pos).startsWith(QLatin1String(code));
    }

    // Applies the code at the cursor; false when the slash is plain text.
    bool code() {
        if (startsWith("/c")) {
            m_current.centred = true;
            m_pos += 2;
        } else if (startsWith("/n")) {
            endLine();
            m_pos += 2;
        } else if (startsWith("/fb0") || startsWith("/fb1")) {
            switchFont([&](PrintFont& f) { f.bold = m_text[m_pos + 3] == QLatin1Char('1'); });
        } else if (startsWith("/fi0") || startsWith("/fi1")) {
            switchFont([&](PrintFont& f) { f.italic = m_text[m_pos + 3] == QLatin1Char('1'); });
        } else if (startsWith("/fu0") || startsWith("/fu1")) {
            switchFont([&](PrintFont& f) { f.underline = m_text[m_pos + 3] == QLatin1Char('1'); });
        } else if (startsWith("/fz\"") || startsWith("/fn\"")) {
            return quoted();
        } else {
            return false;
        }
        return true;
    }

    template <typename Change>
    void switchFont(Change change) {
        flush();
        change(m_font);
        m_pos += 4;
    }

    bool quoted() {
        const qsizetype close = m_text.indexOf(QLatin1Char('"'), m_pos + 4);
        if (close < 0) {
            return false;
        }
        const QString value = m_text.mid(m_pos + 4, close - m_pos - 4);
        const bool size = m_text[m_pos + 2] == QLatin1Char('z');
        bool numeric = true;
        const double points = value.toDouble(&numeric);
        if (size && (!numeric || points <= 0)) {
            return false;
        }
        flush();
        if (size) {
            m_font.pointSize = points;
        } else {
            m_font.family = value;
        }
        m_pos = close + 1;
        return true;
    }

    void flush() {
        if (!m_pending.isEmpty()) {
            m_current.runs.append({m_pending, m_font});
            m_pending.clear();
        }
    }

    void endLine() {
        flush();
        m_current.font = m_font;
        m_lines.append(m_current);
        m_current = Line();
    }

    const QString& m_text;
    PrintFont m_font;
    qsizetype m_pos = 0;
    QString m_pending;
    Line m_current;
    QList<Line> m_lines;
};

}  // namespace

QList<Line> Parse(const QString& markup, const PrintFont& font) {
    return Parser(markup, font).run();
}

}  // namespace PrintMarkup
