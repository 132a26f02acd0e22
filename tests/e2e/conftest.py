"""The end-to-end tests' fixtures: one Wine prefix and display for the whole run, the observer, and
every test run against each build, the 32-bit program users get first. A machine that cannot run
32-bit programs (found by running one) skips those runs and says why."""
import pytest

# The rig's own checks say what differs, as the tests' do.
pytest.register_assert_rewrite("disccase")

from observer_client import Observer  # noqa: E402
from wineprefix import ARCHES, SELECTED_ARCHES, Session  # noqa: E402


@pytest.fixture(scope="session")
def wine():
    session = Session()
    session.start()
    yield session
    session.stop()


@pytest.fixture(scope="session")
def observer(wine):
    return Observer(wine)


def pytest_generate_tests(metafunc):
    """Each test for each build; a class may name fewer (ARCHES)."""
    if "arch" in metafunc.fixturenames:
        arches = getattr(metafunc.cls, "ARCHES", ARCHES)
        metafunc.parametrize("arch", arches, indirect=True, scope="session")


def pytest_collection_modifyitems(config, items):
    """A run for one build leaves the other build's tests to its own run."""
    other = [item for item in items
             if getattr(item, "callspec", None) and item.callspec.params.get("arch", SELECTED_ARCHES[0])
             not in SELECTED_ARCHES]
    if other:
        config.hook.pytest_deselected(items=other)
        items[:] = [item for item in items if item not in other]


@pytest.fixture(scope="session")
def arch(request, wine):
    if request.param == "win32":
        runs, why = wine.runs_32_bit_programs()
        if not runs:
            pytest.skip(f"this machine cannot run 32-bit programs ({why})")
    return request.param
