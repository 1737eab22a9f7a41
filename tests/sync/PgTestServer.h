#pragma once

#include <QString>

/** A throwaway PostgreSQL server in a temporary folder, for the sync tests: initdb, then the
 *  server on a free loopback port and a socket in that folder. As root it runs as the
 *  "postgres" user (runuser); otherwise as the current user. Stopped and removed with the
 *  object. */
class PgTestServer {
public:
    PgTestServer();
    ~PgTestServer();
    PgTestServer(const PgTestServer &) = delete;
    PgTestServer &operator=(const PgTestServer &) = delete;

    /** Makes the cluster (once) and starts the server; false with the reason in error(). */
    bool start();
    /** Stops the server at once ("immediate"), keeping its data for start(). */
    void stop();
    [[nodiscard]] bool isRunning() const;
    [[nodiscard]] const QString &error() const;

    /** "postgresql://USER@127.0.0.1:PORT/brindlewick" for the superuser the cluster was made
     *  with; the database exists. */
    [[nodiscard]] QString url() const;
    /** The same for another user; createRole() makes one (login, no superuser). */
    [[nodiscard]] QString url(const QString &user) const;
    bool createRole(const QString &user);

    /** Stops (SIGSTOP) or resumes every process of the server: a server that stops answering. */
    bool freeze(bool frozen);
    /** Saves the database to a file of the server's folder, and puts it back from there (as
     *  after a restore from a backup), dropping what changed since. */
    bool dump(const QString &name);
    bool restore(const QString &name);

private:
    struct Impl;
    Impl *d;
};
