#pragma once

// A reference-counted byte string: the text lives in a heap block that carries
// its reference count, length and capacity ahead of the text, and copies of a
// string share the block.
class RefString {
  public:
    RefString() = default;
    RefString(const RefString& other);
    RefString& operator=(const RefString& other);
    virtual ~RefString();

    // Afterwards the text area holds n bytes and a terminator at n. The old text
    // is not carried into a new block. A block shared with other strings is
    // never changed in place: this string then takes a block of its own.
    void Reserve(int n);
    // Replaces every occurrence of token (not empty) by replacement; returns the count.
    int ReplaceAll(const char* token, const char* replacement);
    // Drops this string's reference to its block; the string is then empty.
    void Release();

    const char* c_str() const;
    char* data() { return chars; }  // the text area, null without a block

    // Block counters, for callers that look at sharing and size classes; all
    // three are 0 for a string without a block.
    int refs() const;
    int length() const;
    int capacity() const;

  private:
    char* chars = nullptr;
};

// The capacity of a text block made for a requested length. A length that no
// block can hold (negative, or too large for the counters) raises std::bad_alloc.
int TextBlockCapacity(int length);
