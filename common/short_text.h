#pragma once

#include <QString>

// A text of at most 255 characters: a longer one is cut to its first 255 when it is stored.
class ShortText
{
public:
    static constexpr int MaxLength = 255;

    ShortText() = default;
    ShortText(const QString& text) : m_text(text.left(MaxLength)) {} // NOLINT: stores like a string
    ShortText& operator=(const QString& text)
    {
        m_text = text.left(MaxLength);
        return *this;
    }
    const QString& text() const { return m_text; }
    operator const QString&() const { return m_text; } // NOLINT: reads like a string
    bool isEmpty() const { return m_text.isEmpty(); }
    bool operator==(const ShortText& other) const { return m_text == other.m_text; }

private:
    QString m_text;
};
