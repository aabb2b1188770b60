#pragma once
#include <QString>
#include <array>

// Run-time binding of the maker's driver library. The program runs without it: only the card
// listing asks for it, and only the card count is ever called. Once every entry point has been
// found the binding holds for the rest of the run; the library is never unloaded.
namespace LLZorquel {

constexpr int EntryPointCount = 33;

// The entry points in lookup order; slot n holds the address found for EntryPointNames[n].
extern const std::array<const char *, EntryPointCount> EntryPointNames;

enum EntryPoint { epGetNumCards = 0, epEmergencyReboot = 16 };

using TGetNumCards = int (*)();

// The platform's file name for the library "Zorquel", left to the loader's usual search order
// (never the current directory).
QString defaultLibraryFileName();

class TDriverBinding {
public:
    explicit TDriverBinding(const QString &fileName = defaultLibraryFileName());

    // Binds the library: a bound binding returns at once; a missing library leaves everything
    // as it was; otherwise every name is looked up again, found or not.
    void LoadDriver();

    bool driverAvailable() const { return m_available; }
    void *slot(int index) const;
    bool hasSlot(int index) const { return slot(index) != nullptr; }
    TGetNumCards getNumCards() const { return reinterpret_cast<TGetNumCards>(slot(epGetNumCards)); }
    // The card count: the driver's answer when it provides GetNumCards, else 0.
    int cardCount() const;

    QString fileName() const { return m_fileName; }
    void setFileName(const QString &fileName) { m_fileName = fileName; }
    // How often the loader was asked for the library; lets a caller see that a bound binding
    // does not load again.
    int loaderRequests() const { return m_loaderRequests; }

private:
    std::array<void *, EntryPointCount> m_slots{};
    QString m_fileName;
    int m_loaderRequests = 0;
    bool m_available = false;
};

// The program's one binding.
TDriverBinding &driver();
inline void LoadDriver() { driver().LoadDriver(); }
inline bool DriverAvailable() { return driver().driverAvailable(); }

} // namespace LLZorquel
