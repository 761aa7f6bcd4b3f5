#pragma once

#include <QString>

// The writer's plain text put into Markdown so that a CommonMark viewer shows it as typed: none
// of its characters starts emphasis, code, a link, raw HTML or an entity, and none of its lines
// becomes a heading, a list, a quote, a rule, a table or a code block.
namespace MarkdownText {
// The text for a paragraph or a list item; its line breaks are kept, as hard breaks, and its
// lines are separated by "\n" (a caller indents them to keep them within a list item).
QString escaped(const QString& text);
// The text for a heading, on one line: its line breaks become spaces.
QString escapedLine(const QString& text);
} // namespace MarkdownText
