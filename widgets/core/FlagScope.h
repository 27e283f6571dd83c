#pragma once

// Sets a flag for the life of the scope and clears it however the scope ends, so that a flag
// such as "this change comes from the user" never outlives a handler that throws.
class TFlagScope {
public:
    explicit TFlagScope(bool& flag) : m_flag(flag) { m_flag = true; }
    TFlagScope(const TFlagScope&) = delete;
    TFlagScope& operator=(const TFlagScope&) = delete;
    ~TFlagScope() { m_flag = false; }

private:
    bool& m_flag;
};
