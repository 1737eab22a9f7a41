#pragma once

/** Process-wide settings every front end makes before anything formats a date. */
namespace startup {

/** Makes UTC the process time zone, so every date without an explicit zone is UTC. */
void useUtcTimeZone();

} // namespace startup
