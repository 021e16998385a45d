#pragma once
// A process-wide service that tests may replace: the real one unless a
// replacement is installed.

namespace platform {

template <typename Interface, typename Real>
class ReplaceableService {
public:
    static Interface &current()
    {
        static Real real;
        return replacement() ? *replacement() : real;
    }
    static void replace(Interface *service) { replacement() = service; }

private:
    static Interface *&replacement()
    {
        static Interface *service = nullptr;
        return service;
    }
};

} // namespace platform
