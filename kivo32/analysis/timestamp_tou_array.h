// CTimestampTOUArray: the time stamps of a data grid's rows that the load-profile computation keeps, one
// per row, so that it parses the grid's date and time texts only once.
#pragma once

#include <ctime>
#include <vector>

// One time stamp in the PC's local time zone; not valid until set.
struct CTimestampTOU {
    std::time_t time = 0;
    bool valid = false;
};

class CTimestampTOUArray {
public:
    virtual ~CTimestampTOUArray() = default;

    void RemoveAll();

private:
    std::vector<CTimestampTOU> stamps_;
};
