#pragma once
// A process-wide service that tests may replace: the real one unless a
// replacement is installed.

namespace platform {

template <typename Interface, typename Real>
class ReplaceableService {
public:
    static Interface &Current()
    {
        static Real real;
        return Replacement() ? *Replacement() : real;
    }
    static void Replace(Interface *service) { Replacement() = service; }

private:
    static Interface *&Replacement()
    {
        static Interface *service = nullptr;
        return service;
    }
};

} // namespace platform
