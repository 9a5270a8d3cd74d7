#pragma once
// Puts the seven message tables back as they were when the guard was made.
#include "NxSNMPError.h"

#include <vector>

class MessageTablesGuard {
public:
    MessageTablesGuard() {
        for (NxMessageTable* table : Tables()) saved_.push_back(*table);
    }
    ~MessageTablesGuard() {
        for (size_t i = 0; i < saved_.size(); ++i) *Tables()[i] = saved_[i];
    }
    MessageTablesGuard(const MessageTablesGuard&) = delete;
    MessageTablesGuard& operator=(const MessageTablesGuard&) = delete;

private:
    static std::vector<NxMessageTable*> Tables() {
        return {&CommonErrorMessages,    &SnmpErrorMessages,   &SnmpV3ErrorMessages, &SnmpUsmErrorMessages,
                &SnmpClassErrorMessages, &NxSNMPErrorMessages, &SnmpStatusTemplates};
    }
    std::vector<NxMessageTable> saved_;
};
