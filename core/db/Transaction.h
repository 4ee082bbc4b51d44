#pragma once

#include "db/Status.h"

class Database;

// One save: everything between construction and commit(), or nothing.
class Transaction final {
public:
    explicit Transaction(const Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    // False when the transaction could not even begin (e.g. the file is locked).
    const Status& begun() const { return m_begun; }
    Status commit();

private:
    const Database& m_db;
    Status m_begun;
    bool m_open = false;
    bool m_logged = false;
};
