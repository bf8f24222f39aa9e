#ifndef TIMEZONE_H
#define TIMEZONE_H

// With TZ unset, the C library looks at /etc/localtime again for every
// local-time conversion, which makes QDateTime in local time many times
// slower. Pointing TZ at that file once lets the library keep the zone it has
// read. Call before any date-time work; a TZ the user set is left alone.
void CacheLocalTimeZone();

#endif // TIMEZONE_H
