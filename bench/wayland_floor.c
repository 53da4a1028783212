/* The least a Wayland clock costs: a plain libwayland client with a full-screen toplevel
 * that redraws one digit-sized area at each whole second into two shm buffers used in
 * turn, damaging only that area, without frame callbacks. Runs until it is killed. */
#define _GNU_SOURCE
#include "xdg-shell-client-protocol.h"

#include <poll.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>
#include <sys/timerfd.h>
#include <time.h>
#include <unistd.h>
#include <wayland-client.h>

enum { digit_x = 200, digit_y = 200, digit_w = 96, digit_h = 144, stroke = 16 };

struct buffer {
    struct wl_buffer *buffer;
    uint32_t *pixels;
    int busy;
};

struct client {
    struct wl_compositor *compositor;
    struct wl_shm *shm;
    struct xdg_wm_base *wm_base;
    struct wl_surface *surface;
    struct buffer buffers[2];
    int width, height, configured, next;
};

static void fill(struct buffer *b, int stride, int x, int y, int w, int h, uint32_t colour)
{
    for (int row = y; row < y + h; ++row)
        for (int column = x; column < x + w; ++column)
            b->pixels[row * stride + column] = colour;
}

/* A seven-segment digit: the segments a to g, bit 0 = a, in the usual order. */
static void draw_digit(struct buffer *b, int stride, int digit)
{
    static const unsigned char segments[10] = { 0x3f, 0x06, 0x5b, 0x4f, 0x66, 0x6d, 0x7d, 0x07, 0x7f, 0x6f };
    const int half = digit_h / 2, right = digit_x + digit_w - stroke;
    const struct {
        int x, y, w, h;
    } shapes[7] = {
        { digit_x, digit_y, digit_w, stroke }, /* a */
        { right, digit_y, stroke, half }, /* b */
        { right, digit_y + half, stroke, half }, /* c */
        { digit_x, digit_y + digit_h - stroke, digit_w, stroke }, /* d */
        { digit_x, digit_y + half, stroke, half }, /* e */
        { digit_x, digit_y, stroke, half }, /* f */
        { digit_x, digit_y + half - stroke / 2, digit_w, stroke }, /* g */
    };
    fill(b, stride, digit_x, digit_y, digit_w, digit_h, 0xff000000);
    for (int s = 0; s < 7; ++s)
        if (segments[digit] & (1u << s))
            fill(b, stride, shapes[s].x, shapes[s].y, shapes[s].w, shapes[s].h, 0xffffffff);
}

static void released(void *data, struct wl_buffer *buffer)
{
    (void)buffer;
    ((struct buffer *)data)->busy = 0;
}
static const struct wl_buffer_listener buffer_listener = { released };

static void create_buffers(struct client *c)
{
    const int stride = c->width * 4, size = stride * c->height;
    const int fd = memfd_create("wayland-floor", MFD_CLOEXEC);
    if (fd < 0 || ftruncate(fd, size * 2) < 0) {
        perror("memfd");
        exit(1);
    }
    uint32_t *data = mmap(NULL, (size_t)size * 2, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (data == MAP_FAILED) {
        perror("mmap");
        exit(1);
    }
    memset(data, 0, (size_t)size * 2);
    struct wl_shm_pool *pool = wl_shm_create_pool(c->shm, fd, size * 2);
    for (int i = 0; i < 2; ++i) {
        struct buffer *b = &c->buffers[i];
        b->buffer = wl_shm_pool_create_buffer(pool, i * size, c->width, c->height, stride, WL_SHM_FORMAT_XRGB8888);
        b->pixels = data + (size_t)i * (size_t)(size / 4);
        wl_buffer_add_listener(b->buffer, &buffer_listener, b);
    }
    wl_shm_pool_destroy(pool);
    close(fd);
}

/* Draws the current second's last digit into the buffer not in use, the whole window the
 * first time, the digit's area only after that. */
static void redraw(struct client *c, int whole)
{
    struct buffer *b = &c->buffers[c->next];
    if (b->busy)
        b = &c->buffers[c->next ^ 1];
    if (b->busy)
        return;
    c->next = (int)(b - c->buffers) ^ 1;
    draw_digit(b, c->width, (int)(time(NULL) % 10));
    wl_surface_attach(c->surface, b->buffer, 0, 0);
    if (whole)
        wl_surface_damage_buffer(c->surface, 0, 0, c->width, c->height);
    else
        wl_surface_damage_buffer(c->surface, digit_x, digit_y, digit_w, digit_h);
    wl_surface_commit(c->surface);
    b->busy = 1;
}

static void ping(void *data, struct xdg_wm_base *wm_base, uint32_t serial)
{
    (void)data;
    xdg_wm_base_pong(wm_base, serial);
}
static const struct xdg_wm_base_listener wm_base_listener = { ping };

static void surface_configure(void *data, struct xdg_surface *surface, uint32_t serial)
{
    struct client *c = data;
    xdg_surface_ack_configure(surface, serial);
    if (c->configured)
        return;
    c->configured = 1;
    create_buffers(c);
    redraw(c, 1);
}
static const struct xdg_surface_listener surface_listener = { surface_configure };

static void toplevel_configure(void *data, struct xdg_toplevel *toplevel, int32_t width, int32_t height,
                               struct wl_array *states)
{
    (void)toplevel;
    (void)states;
    struct client *c = data;
    if (!c->configured && width > 0 && height > 0) {
        c->width = width;
        c->height = height;
    }
}
static void toplevel_close(void *data, struct xdg_toplevel *toplevel)
{
    (void)data;
    (void)toplevel;
    exit(0);
}
static const struct xdg_toplevel_listener toplevel_listener
    = { .configure = toplevel_configure, .close = toplevel_close };

static void global(void *data, struct wl_registry *registry, uint32_t name, const char *interface, uint32_t version)
{
    (void)version;
    struct client *c = data;
    if (strcmp(interface, wl_compositor_interface.name) == 0)
        c->compositor = wl_registry_bind(registry, name, &wl_compositor_interface, 4);
    else if (strcmp(interface, wl_shm_interface.name) == 0)
        c->shm = wl_registry_bind(registry, name, &wl_shm_interface, 1);
    else if (strcmp(interface, xdg_wm_base_interface.name) == 0)
        c->wm_base = wl_registry_bind(registry, name, &xdg_wm_base_interface, 1);
}
static void global_remove(void *data, struct wl_registry *registry, uint32_t name)
{
    (void)data;
    (void)registry;
    (void)name;
}
static const struct wl_registry_listener registry_listener = { global, global_remove };

int main(void)
{
    struct client c = { .width = 1920, .height = 1080 };
    struct wl_display *display = wl_display_connect(NULL);
    if (!display) {
        fprintf(stderr, "no Wayland display\n");
        return 1;
    }
    wl_registry_add_listener(wl_display_get_registry(display), &registry_listener, &c);
    wl_display_roundtrip(display);
    if (!c.compositor || !c.shm || !c.wm_base) {
        fprintf(stderr, "the compositor lacks wl_compositor, wl_shm or xdg_wm_base\n");
        return 1;
    }
    xdg_wm_base_add_listener(c.wm_base, &wm_base_listener, NULL);
    c.surface = wl_compositor_create_surface(c.compositor);
    struct xdg_surface *surface = xdg_wm_base_get_xdg_surface(c.wm_base, c.surface);
    xdg_surface_add_listener(surface, &surface_listener, &c);
    struct xdg_toplevel *toplevel = xdg_surface_get_toplevel(surface);
    xdg_toplevel_add_listener(toplevel, &toplevel_listener, &c);
    xdg_toplevel_set_title(toplevel, "wayland floor");
    xdg_toplevel_set_fullscreen(toplevel, NULL);
    wl_surface_commit(c.surface);

    /* A timer at each whole second of the wall clock. */
    const int timer = timerfd_create(CLOCK_REALTIME, TFD_CLOEXEC);
    struct itimerspec each_second = { .it_interval = { 1, 0 } };
    clock_gettime(CLOCK_REALTIME, &each_second.it_value);
    each_second.it_value.tv_sec += 1;
    each_second.it_value.tv_nsec = 0;
    timerfd_settime(timer, TFD_TIMER_ABSTIME, &each_second, NULL);

    struct pollfd fds[2] = { { wl_display_get_fd(display), POLLIN, 0 }, { timer, POLLIN, 0 } };
    for (;;) {
        while (wl_display_prepare_read(display) != 0)
            wl_display_dispatch_pending(display);
        wl_display_flush(display);
        if (poll(fds, 2, -1) < 0) {
            wl_display_cancel_read(display);
            continue;
        }
        if (fds[0].revents & (POLLHUP | POLLERR)) {
            wl_display_cancel_read(display);
            return 1;
        }
        if (fds[0].revents & POLLIN) {
            if (wl_display_read_events(display) < 0)
                return 1;
        } else {
            wl_display_cancel_read(display);
        }
        if (wl_display_dispatch_pending(display) < 0)
            return 1;
        if (fds[1].revents & POLLIN) {
            uint64_t expirations;
            if (read(timer, &expirations, sizeof expirations) > 0 && c.configured)
                redraw(&c, 0);
        }
    }
}
