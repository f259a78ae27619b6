#pragma once
// The secondary windows, each built hidden from its description and shown modally by its
// caller: no hits (2), description (3), print confirmation (5), splash (6), about (7) and
// introduction (8).

#include <memory>

class TForm;

std::unique_ptr<TForm> CreateTForm2();
std::unique_ptr<TForm> CreateTForm3();
std::unique_ptr<TForm> CreateTForm5();
std::unique_ptr<TForm> CreateTForm6();
std::unique_ptr<TForm> CreateTForm7();
std::unique_ptr<TForm> CreateTForm8();
