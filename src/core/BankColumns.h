#pragma once
// The fixed columns of a bank line (docs/bank-format.md), counted from 1 as
// the packet layouts, the continuation printers and the listing count them,
// so each names the field it takes rather than its number.
namespace tess::bankcol {

inline constexpr int CHAPTER = 1, CHAPTER_END = 2;  // the chapter, right-aligned
inline constexpr int VERSE = 4, VERSE_END = 5;      // the verse, right-aligned
inline constexpr int REF_END = 5;                   // the reference "cc:vv" is columns 1 to 5
inline constexpr int TAB = 6;                       // the TAB after the reference
inline constexpr int TEXT = 7;                      // the question's own part

// Reference questions: a two-letter code, a TAB, the question text.
inline constexpr int CODE = 7, CODE_END = 8;
inline constexpr int REF_TEXT = 10;

// FTV questions: a type field of 3 or 4 columns, a TAB, the verse text.
inline constexpr int FTV_MODE = 7;     // 'F' finish the verse, 'Q' quote it
inline constexpr int QUOTE_TEXT = 12;  // a quotation's verse text (its field always has 4 columns)

// A code or type field and its TAB end by this column.
inline constexpr int FIELD_LAST = 11;

}  // namespace tess::bankcol
