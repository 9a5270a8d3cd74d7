#pragma once
// The access bits of a request's variables around one SET. A column marked invalid (32) is left out of the SET
// (and of every read) while the mark stays, so the marks must be undone on every way out of the handler,
// an exception included: the scope undoes them when it ends.
//
// Three ways of undoing, as the dialogs do it:
//   SavedBits    every variable's bits are saved first and written back (the default);
//   Readwrite    each marked column gets readwrite (6) back, whatever it had;
//   ClearInvalid each marked column loses the invalid bit only.
#include <cstdint>
#include <vector>

class NxSNMPVarList;

class AccessScope {
public:
    enum Restore : uint8_t { SavedBits, Readwrite, ClearInvalid };

    explicit AccessScope(NxSNMPVarList& vars, Restore restore = SavedBits);
    ~AccessScope();
    AccessScope(const AccessScope&) = delete;
    AccessScope& operator=(const AccessScope&) = delete;

    // Marks the column invalid for this scope; a column outside the list is ignored.
    void LeaveOut(int column);
    void LeaveOut(const std::vector<int>& columns);
    // Every column except the index columns and keep.
    void LeaveOutAllBut(const std::vector<int>& keep);
    // Undoes the marks now (the scope then does nothing more).
    void RestoreNow();

private:
    NxSNMPVarList& vars_;
    Restore restore_;
    std::vector<int32_t> saved_;
    std::vector<int> marked_;
    bool done_ = false;
};
