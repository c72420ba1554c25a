#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/BinaryFile.h"
#include "platform/Date.h"

// A record is written and read in one order. Its form is named once, in a
// function template over the direction, which a FieldWriter runs to write
// the record and a FieldReader to read it back: plain fields in runs, and
// counted lists and sub-objects through the same calls in both directions.
// A failed file stays failed, so a run goes on harmlessly after a failure
// and the caller checks the file once; lists and sub-objects answer at once
// so the form can stop early where it must.

class FieldWriter {
public:
    explicit FieldWriter(BinaryFile& f) : f_(f) {}

    template <typename... T>
    void operator()(const T&... fields) {
        (Put(fields), ...);
    }
    template <typename CountT, typename List, typename... Flags>
    bool ObjectList(const List& list, Flags... flags) {
        return WriteObjectList<CountT>(f_, list, flags...);
    }
    template <typename CountT, typename T>
    bool NumberArray(const std::vector<T>& values) {
        return WriteNumberArray<CountT>(f_, values);
    }
    template <typename T>
    bool Object(const T& object) {
        return object.Write(f_);
    }
    template <typename T>
    bool Object(const T& object, uint8_t saveGame) {
        return object.Write(f_, saveGame);
    }
    bool Ok() const { return f_.Ok(); }

private:
    template <typename T>
    void Put(const T& v) {
        f_.Write(v);
    }
    void Put(bool v) { f_.WriteBool(v); }
    void Put(const std::string& s) { f_.WriteString(s); }
    void Put(const Date& d) { d.Write(f_); }
    template <typename T, size_t N>
    void Put(const std::array<T, N>& values) {
        for (const T& v : values)
            Put(v);
    }

    BinaryFile& f_;
};

class FieldReader {
public:
    explicit FieldReader(BinaryFile& f) : f_(f) {}

    template <typename... T>
    void operator()(T&... fields) {
        (Take(fields), ...);
    }
    template <typename CountT, typename List, typename... Flags>
    bool ObjectList(List& list, Flags... flags) {
        return ReadObjectList<CountT>(f_, list, flags...);
    }
    template <typename CountT, typename T>
    bool NumberArray(std::vector<T>& values) {
        return ReadNumberArray<CountT>(f_, values);
    }
    template <typename T>
    bool Object(T& object) {
        return object.Read(f_);
    }
    template <typename T>
    bool Object(T& object, uint8_t saveGame) {
        return object.Read(f_, saveGame);
    }
    bool Ok() const { return f_.Ok(); }

private:
    template <typename T>
    void Take(T& v) {
        f_.Read(v);
    }
    void Take(bool& v) { f_.ReadBool(v); }
    void Take(std::string& s) { f_.ReadString(s); }
    void Take(Date& d) { d.Read(f_); }
    template <typename T, size_t N>
    void Take(std::array<T, N>& values) {
        for (T& v : values)
            Take(v);
    }

    BinaryFile& f_;
};
