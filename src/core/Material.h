#pragma once
// The working folder's material: the books a season covers and the chapters
// a material set leaves out. A folder without a book file is Luke, as the
// bank has always been.
#include <bitset>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tess {

constexpr int MATERIAL_CHAPTERS_MAX = 50;  // chapters through all the books of a material
inline constexpr const char* BOOK_FILE = "Books.txt";

// Chapters of the material that a set (the "L" prefix) has no questions for.
struct LeftOut {
    std::bitset<MATERIAL_CHAPTERS_MAX + 1> chapters;  // indexed by chapter through the material
    bool has(int chapter) const {
        return chapter >= 1 && chapter <= MATERIAL_CHAPTERS_MAX && chapters.test(static_cast<std::size_t>(chapter));
    }
};

// Luke's "L" set: chapters 7, 9-11 and 14-16 hold none of its questions.
inline LeftOut lukeLeftOut() {
    LeftOut out;
    for (int ch : {7, 9, 10, 11, 14, 15, 16}) out.chapters.set(static_cast<std::size_t>(ch));
    return out;
}

// Luke's "L" set has always dealt chapters 3 and 5 no share of their own:
// each joins the chapter after it, which keeps the old tables of its ranges.
inline LeftOut lukeJoinedInDeal() {
    LeftOut joined;
    for (int ch : {3, 5}) joined.chapters.set(static_cast<std::size_t>(ch));
    return joined;
}

// One book of the material: its letter on the form and in packets, its name
// (of question positions, the title band and the regular file), and the
// verses of its chapters.
struct Book {
    char letter = 'L';
    std::string name;
    std::vector<int> verses;  // by chapter of the book, from 1
    int first = 1;            // its first chapter through the material
    int chapters() const { return static_cast<int>(verses.size()); }
    int last() const { return first + chapters() - 1; }
    std::string shortName() const;  // "Luke", "Jas", "1Pe": at most 4 characters
};

// A chapter through the material as a person reads it.
struct BookChapter {
    const Book* book = nullptr;
    int chapter = 0;  // within the book
};

struct Material {
    std::vector<Book> books;           // in the order the bank numbers their chapters
    LeftOut leftOutL = lukeLeftOut();             // what the "L" set leaves out (a book file's `skip L` line)
    LeftOut joinedInDealL = lukeJoinedInDeal();  // what the "L" set's first deal joins to the next chapter (Luke's only)

    // What the material set named by a style's first letter leaves out: the
    // plain set (any letter but "L") has every chapter.
    const LeftOut& leftOut(char set) const {
        static const LeftOut none;
        return set == 'L' ? leftOutL : none;
    }

    Material();  // Luke, as a folder without a book file has it
    static const Material& luke();

    int chapters() const { return books.empty() ? 0 : books.back().last(); }
    int verses(int chapter) const;                        // of a chapter through the material; 0 outside it
    std::optional<BookChapter> place(int chapter) const;  // through the material -> book and its chapter
    int through(char letter, int chapter) const;          // book and its chapter -> through the material; 0 when none
    const Book* book(char letter) const;
    const Book& first() const { return books.front(); }
    // One book whose chapters are the bank's: references are copied as stored.
    bool asStored() const { return books.size() == 1; }
    std::string letters() const;                 // the books' letters, in order
    std::string chapterName(int chapter) const;  // "Luke 7", "James 1": a chapter through the material as read
};

// What is wrong with a book file: the line (0: the whole file) and the fault.
struct MaterialFault {
    std::size_t line = 0;
    std::string what;
};
// Reads the book file at `path` into `out`; a missing file is Luke. A bad one
// leaves `out` as it was.
std::optional<MaterialFault> readMaterialFile(const std::string& path, Material& out);
// The same, with the fault in words that name the file and the line.
bool readMaterial(const std::string& path, Material& out, std::string& error);

}  // namespace tess
