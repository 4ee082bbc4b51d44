#pragma once

// How a printout sits on the paper: side margins in points, orientation and copies. The
// banded reports and the grid sheets both carry it.
class PageSettings {
public:
    double leftMargin() const { return m_leftMargin; }
    double rightMargin() const { return m_rightMargin; }
    void setMargins(double left, double right) {
        m_leftMargin = left;
        m_rightMargin = right;
    }
    bool landscape() const { return m_landscape; }
    void setLandscape(bool landscape) { m_landscape = landscape; }
    int copies() const { return m_copies; }
    void setCopies(int copies) { m_copies = copies; }

private:
    double m_leftMargin = 36;
    double m_rightMargin = 36;
    bool m_landscape = false;
    int m_copies = 1;
};
