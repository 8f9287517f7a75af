#!/usr/bin/env python3
"""A delaying TCP proxy for benchmarks, on 127.0.0.1 only: each connection made to it
is passed on to 127.0.0.1:UPSTREAM, and every chunk of bytes, in either direction, is
written out MS milliseconds after it was read, in order. The first bytes a client sends
on a new connection are held for one round trip more (2 x MS), standing in for the TCP
handshake, which a proxy in user space cannot delay. So a request on a kept connection
costs one round trip of 2 x MS, one on a new plain connection two, and one on a new
TLS 1.3 connection three.

Bounded: at most --max-connections at once (more are closed at once), at most 1 MB
waiting in each direction of a connection (reading pauses until it drains), and the
proxy ends by itself after --max-seconds.

usage: delay_proxy.py UPSTREAM_PORT MS [--port 0] [--max-connections 2048] [--max-seconds 3600]
It prints the port it listens on, then serves until it is ended.
"""
import argparse
import asyncio
import sys

CHUNK = 64 * 1024
MOST_WAITING = 1024 * 1024


async def pipe(reader, writer, delay, first_hold):
    """Copies reader to writer, each chunk `delay` seconds after it was read (the first
    one `first_hold` seconds more), then passes the end of the stream on. False when
    the writing side failed."""
    loop = asyncio.get_running_loop()
    queue = asyncio.Queue()
    waiting = 0
    room = asyncio.Event()
    room.set()

    async def read():
        nonlocal waiting
        hold = first_hold
        while True:
            await room.wait()
            try:
                data = await reader.read(CHUNK)
            except (ConnectionError, OSError):
                data = b""
            await queue.put((loop.time() + delay + hold, data))
            hold = 0
            if not data:
                return
            waiting += len(data)
            if waiting > MOST_WAITING:
                room.clear()

    async def write():
        nonlocal waiting
        while True:
            due, data = await queue.get()
            pause = due - loop.time()
            if pause > 0:
                await asyncio.sleep(pause)
            if not data:
                try:
                    if writer.can_write_eof():
                        writer.write_eof()
                except (ConnectionError, OSError, RuntimeError):
                    pass
                return True
            waiting -= len(data)
            if waiting <= MOST_WAITING:
                room.set()
            try:
                writer.write(data)
                await writer.drain()
            except (ConnectionError, OSError):
                return False

    reading = asyncio.ensure_future(read())
    try:
        return await write()
    finally:
        reading.cancel()


async def serve(args):
    delay = args.ms / 1000.0
    open_connections = 0

    async def handle(client_reader, client_writer):
        nonlocal open_connections
        if open_connections >= args.max_connections:
            client_writer.close()
            return
        open_connections += 1
        try:
            server_reader, server_writer = await asyncio.open_connection("127.0.0.1", args.upstream)
        except OSError:
            open_connections -= 1
            client_writer.close()
            return
        pipes = {asyncio.ensure_future(pipe(client_reader, server_writer, delay, 2 * delay)),
                 asyncio.ensure_future(pipe(server_reader, client_writer, delay, 0))}
        try:
            while pipes:
                done, pipes = await asyncio.wait(pipes, return_when=asyncio.FIRST_COMPLETED)
                if not all(t.result() for t in done):  # one side is gone: so is the other
                    break
        finally:
            for t in pipes:
                t.cancel()
            open_connections -= 1
            for w in (client_writer, server_writer):
                try:
                    w.close()
                except (ConnectionError, OSError, RuntimeError):
                    pass

    server = await asyncio.start_server(handle, "127.0.0.1", args.port, backlog=4096)
    print(server.sockets[0].getsockname()[1], flush=True)
    async with server:
        await asyncio.sleep(args.max_seconds)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("upstream", type=int)
    ap.add_argument("ms", type=float)
    ap.add_argument("--port", type=int, default=0)
    ap.add_argument("--max-connections", type=int, default=2048)
    ap.add_argument("--max-seconds", type=float, default=3600)
    args = ap.parse_args()
    try:
        asyncio.run(serve(args))
    except KeyboardInterrupt:
        pass
    return 0


if __name__ == "__main__":
    sys.exit(main())
