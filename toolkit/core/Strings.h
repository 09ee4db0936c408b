// Ordered list of texts; a list control mirrors every change into its window.
#pragma once

#include <string>
#include <vector>

class TStringsHost {
public:
    virtual void StringInserted(int index, const std::string& text) = 0;
    virtual void StringDeleted(int index) = 0;
    virtual void StringsCleared() = 0;

protected:
    ~TStringsHost() = default;
};

class TStrings {
public:
    explicit TStrings(TStringsHost* host = nullptr) : host_(host) {}
    TStrings(const TStrings&) = delete;
    TStrings& operator=(const TStrings&) = delete;

    int Count() const { return static_cast<int>(items_.size()); }
    // Throws for an index outside 0 .. Count - 1.
    const std::string& Strings(int index) const;
    const std::string& operator[](int index) const { return Strings(index); }
    int IndexOf(const std::string& text) const;

    int Add(const std::string& text);
    void Insert(int index, const std::string& text);
    void Delete(int index);
    void Clear();

private:
    void CheckIndex(int index, int limit) const;

    std::vector<std::string> items_;
    TStringsHost* host_;
};
