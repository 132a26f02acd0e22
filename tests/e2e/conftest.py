"""The end-to-end tests' fixtures: one Wine prefix and display for the whole run, the observer, and
every test run against each build, the 32-bit program users get first. A machine that cannot run
32-bit programs (found by running one) skips those runs and says why."""
import pytest

# The rig's own checks say what differs, as the tests' do.
pytest.register_assert_rewrite("disccase")

from observer_client import Observer  # noqa: E402
from wineprefix import ARCHES, Session  # noqa: E402


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


@pytest.fixture(scope="session")
def arch(request, wine):
    if request.param == "win32":
        runs, why = wine.runs_32_bit_programs()
        if not runs:
            pytest.skip(f"this machine cannot run 32-bit programs ({why})")
    return request.param
