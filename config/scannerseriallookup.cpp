#include "scannerseriallookup.h"

namespace {
ScannerSerialLookup::Finder &finder()
{
    static ScannerSerialLookup::Finder instance;
    return instance;
}
} // namespace

void ScannerSerialLookup::setFinder(Finder newFinder)
{
    finder() = std::move(newFinder);
}

QString ScannerSerialLookup::serialFor(quint16 productId)
{
    return finder() ? finder()(productId) : QString();
}
