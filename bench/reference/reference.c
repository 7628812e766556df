/* The yardstick of varnock's benchmark: the same eight options and the same
 * outcome as varnock, written the way a C tool built on glibc's getopt_long
 * is. It is measured beside varnock and is never installed. */
#include <getopt.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

enum input_format
{
    INPUT_FORMAT_MTP3_HEXSTREAM = 0,
    INPUT_FORMAT_PCAP_FILE = 1
};

/* Values for the options that have no short form. */
enum
{
    OPTION_STAGING_AREA = 256,
    OPTION_FILTER_NAME,
    OPTION_INPUT_FORMAT
};

static const struct option long_options[] = {
    {"version", no_argument, NULL, 'V'},
    {"verbose", no_argument, NULL, 'v'},
    {"help", no_argument, NULL, 'h'},
    {"filter", required_argument, NULL, 'f'},
    {"staging-area", required_argument, NULL, OPTION_STAGING_AREA},
    {"filter-name", required_argument, NULL, OPTION_FILTER_NAME},
    {"input", required_argument, NULL, 'i'},
    {"input-format", required_argument, NULL, OPTION_INPUT_FORMAT},
    {NULL, 0, NULL, 0},
};

static void usage_error(const char* program)
{
    fprintf(stderr, "Try '%s --help' for more information.\n", program);
    exit(2);
}

/* The work done on one input. Kept out of line, as varnock's is, so that the
 * walk over the inputs is not optimised away. */
__attribute__((noinline)) static void process_input(const char* input)
{
    __asm__ volatile("" : : "r"(input) : "memory");
}

int main(int argc, char* argv[])
{
    const char* filter_file_name = NULL;
    const char* staging_area_file_name = NULL;
    const char* filter_name = NULL;
    const char* input_format_text = NULL;
    enum input_format input_format = INPUT_FORMAT_MTP3_HEXSTREAM;
    const char** inputs = NULL;
    size_t input_count = 0;
    size_t input_capacity = 0;
    int verbose = 0;
    int option;

    while ((option = getopt_long(argc, argv, "Vvhf:i:", long_options, NULL)) != -1) {
        switch (option) {
        case 'V':
            puts("varnock-reference 1.15.0");
            return 0;
        case 'v':
            verbose = 1;
            break;
        case 'h':
            puts("Usage: varnock-reference [OPTION]...");
            return 0;
        case 'f':
            if (filter_file_name == NULL)
                filter_file_name = optarg;
            break;
        case OPTION_STAGING_AREA:
            if (staging_area_file_name == NULL)
                staging_area_file_name = optarg;
            break;
        case OPTION_FILTER_NAME:
            if (filter_name == NULL)
                filter_name = optarg;
            break;
        case OPTION_INPUT_FORMAT:
            if (input_format_text == NULL)
                input_format_text = optarg;
            break;
        case 'i':
            if (input_count == input_capacity) {
                input_capacity = input_capacity == 0 ? 8 : 2 * input_capacity;
                inputs = realloc(inputs, input_capacity * sizeof *inputs);
                if (inputs == NULL) {
                    perror(argv[0]);
                    return 1;
                }
            }
            inputs[input_count++] = optarg;
            break;
        default: /* getopt_long has printed the message */
            usage_error(argv[0]);
        }
    }
    if (optind < argc) {
        fprintf(stderr, "%s: extra operand '%s'\n", argv[0], argv[optind]);
        usage_error(argv[0]);
    }

    if (input_format_text != NULL && strcmp(input_format_text, "pcap") == 0)
        input_format = INPUT_FORMAT_PCAP_FILE;
    (void)filter_file_name;
    (void)staging_area_file_name;
    (void)filter_name;
    (void)input_format;
    (void)verbose;

    for (size_t index = 0; index < input_count; ++index)
        process_input(inputs[index]);
    free(inputs);
    return 0;
}
