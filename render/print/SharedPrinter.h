#pragma once

class QPrinter;

// The printer every printout goes to: the system's default printer, with the page set-up
// the user chose through File > Print Setup.
QPrinter& SharedPrinter();
